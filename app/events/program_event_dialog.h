// "Add Program Event": asks for an event's name and the program it starts. It only collects and
// checks the two; storing them is the caller's work.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog_fields.h"
#include "ui/modal_dialog.h"

class ProgramEventDialog : public ModalDialog {
public:
    explicit ProgramEventDialog(HWND parent);

    // After IDOK: both non-empty. The name is as typed, blanks and all.
    const std::string& Name() const { return m_name; }
    const std::string& Path() const { return m_path; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnOK() override;

private:
    void OnOpen();

    std::string m_name;
    std::string m_path;  // only "Open" sets it
    DialogFields m_fields;
};
