#include "settings_dialog.h"

#include "resources/resource.h"

SettingsDialog::SettingsDialog(HWND parent) : ModalDialog(IDD_SETTINGS, parent) {}
