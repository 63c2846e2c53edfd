// The desktop character: the program's only top-level window, run modally for the life of the
// process. It owns the program's timers and the reminders' start-up load.
#pragma once

#include <windows.h>

#include <string>

#include "ui/modal_dialog.h"

class CharacterWindow : public ModalDialog {
public:
    explicit CharacterWindow(HWND parent);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    // Enter, Escape and the dialog manager's close request never close the character.
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnExit();

    HICON m_icon = nullptr;  // shared resource icon: not destroyed
    std::string m_appDirectory;
    std::string PlaybackPath;
};
