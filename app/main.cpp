// Whiskertime: a desktop reminder with a cartoon mouse and a clock.
#include <windows.h>
#include <commctrl.h>

#include "character/character_window.h"
#include "ui/application.h"

class ReminderApp : public Application {
public:
    bool InitInstance() override {
        // Common controls in the desktop's visual style (the manifest asks for version 6).
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);

        CharacterWindow character(nullptr);
        SetMainWindow(&character);
        character.DoModal();
        SetMainWindow(nullptr);
        return false;  // the character's modal run was the whole program
    }
};

namespace {
ReminderApp theApp;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return theApp.Run(instance);
}
