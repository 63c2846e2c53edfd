// Whiskertime: a desktop reminder with a cartoon mouse and a clock.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "character/character_window.h"
#include "character/single_instance.h"
#include "paths/app_paths.h"
#include "resources/resource.h"
#include "ui/application.h"

class ReminderApp : public Application {
public:
    bool InitInstance() override {
        // Common controls in the desktop's visual style (the manifest asks for version 6).
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);

        // One running copy per installation: a second start shows the first one's character at
        // its place, and ends.
        std::string directory;
        GetAppDirectory(directory);
        SingleInstance instance(directory);
        if (!instance.IsFirst()) {
            instance.PostToFirst(ID_MENU_SHOW_MOUSE, 5000);
            return false;
        }

        CharacterWindow character(nullptr);
        character.SetInstance(&instance);
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
