// The desktop character: a shaped cartoon mouse with a running clock, the program's only
// top-level window. Run modally for the life of the process, it owns the program's timers.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "ui/gdi.h"
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

    virtual void OnTimer(UINT_PTR id);

private:
    void ApplyColourKey();
    void OnPaint();
    INT_PTR OnNcHitTest(LPARAM lParam);
    void OnClockTick();
    void OnExit();

    HICON m_icon = nullptr;  // a shared resource icon: never destroyed
    COLORREF m_keyColour = 0;
    gdi::Bitmap m_character;  // the whole mouse; its top-left pixel is the key colour
    gdi::Bitmap m_eyesClosed;
    gdi::Bitmap m_eyesOpen;
    gdi::Bitmap m_mouthOpen;
    gdi::Bitmap m_mouthClosed;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    std::array<gdi::Bitmap, 10> m_digits;
    std::string m_appDirectory;
    std::string PlaybackPath;
};
