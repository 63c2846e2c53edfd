#include "do_now_dialog.h"

#include "resources/resource.h"

DoNowDialog::DoNowDialog(HWND parent) : ModalDialog(IDD_DO_NOW, parent) {}
