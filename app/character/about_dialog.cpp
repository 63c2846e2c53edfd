#include "about_dialog.h"

#include "resources/resource.h"
#include "version.h"

AboutDialog::AboutDialog(HWND parent) : ModalDialog(IDD_ABOUT, parent) {}

BOOL AboutDialog::OnInitDialog() {
    SetDlgItemTextA(Handle(), IDC_ABOUT_VERSION, "Version " WHISKERTIME_VERSION_TEXT);
    return TRUE;
}
