// "Config": the settings window where the reminders and events are edited.
#pragma once

#include "ui/modal_dialog.h"

class SettingsDialog : public ModalDialog {
public:
    explicit SettingsDialog(HWND parent);
};
