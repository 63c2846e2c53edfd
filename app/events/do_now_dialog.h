// "Do Now": runs any event at once.
#pragma once

#include "ui/modal_dialog.h"

class DoNowDialog : public ModalDialog {
public:
    explicit DoNowDialog(HWND parent);
};
