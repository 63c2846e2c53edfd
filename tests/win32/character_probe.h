// Helpers for tests that run the character window in this process and drive it themselves.
#pragma once

#include <windows.h>

#include "character/character_window.h"
#include "resources/resource.h"

// Stops every timer of the character window, so only the ticks a test sends arrive.
inline void StopCharacterTimers(HWND character) {
    for (UINT id = ID_TIMER_BLINK; id <= ID_TIMER_SCHEDULE_RESUME; ++id) {
        KillTimer(character, id);
    }
}

// A character window whose own timers are stopped once it is up; as soon as its modal loop runs
// it calls Run() inside it, then exits as the menu's "exit" does.
class CharacterProbe : public CharacterWindow {
public:
    CharacterProbe() : CharacterWindow(nullptr) {}

protected:
    virtual void Run() = 0;

    BOOL OnInitDialog() override {
        BOOL result = CharacterWindow::OnInitDialog();
        StopCharacterTimers(Handle());
        PostMessageA(Handle(), kRunProbe, 0, 0);
        return result;
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kRunProbe) {
            return CharacterWindow::HandleMessage(message, wParam, lParam);
        }
        Run();
        PostMessageA(Handle(), WM_COMMAND, ID_MENU_EXIT, 0);
        return TRUE;
    }

private:
    static constexpr UINT kRunProbe = WM_APP + 1;
};
