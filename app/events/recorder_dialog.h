// The recorder: records a mouse macro with the capture library and saves it as a study event.
// Ready -> "Start Study" -> Recording -> "End Study" -> Recorded -> "OK" saves it. It sits above
// the right end of the taskbar, on top of every window.
#pragma once

#include <windows.h>

#include <string>

#include "events/capture_session.h"
#include "ui/modal_dialog.h"

class RecorderDialog : public ModalDialog {
public:
    explicit RecorderDialog(HWND parent);

protected:
    BOOL OnInitDialog() override;
    bool PlacesItself() const override { return true; }
    bool OnCommand(int id, int notifyCode) override;
    void OnOK() override;
    void OnCancel() override;

private:
    enum class State { Ready, Recording, Recorded };

    void OnStartStudy();
    void OnEndStudy();
    void Enter(State state);

    State m_state = State::Ready;
    std::string m_appDirectory;
    CaptureSession m_capture;
};
