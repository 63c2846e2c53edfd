#include "about_dialog.h"

#include "resources/resource.h"

AboutDialog::AboutDialog(HWND parent) : ModalDialog(IDD_ABOUT, parent) {}
