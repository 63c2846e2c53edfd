// The about box: the program's icon, name and version.
#pragma once

#include "ui/modal_dialog.h"

class AboutDialog : public ModalDialog {
public:
    explicit AboutDialog(HWND parent);

protected:
    // Shows the program's version.
    BOOL OnInitDialog() override;
};
