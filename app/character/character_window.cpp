#include "character_window.h"

#include "paths/app_paths.h"
#include "reminders/reminder_store.h"
#include "resources/resource.h"
#include "skin/skin_manager.h"
#include "ui/application.h"

CharacterWindow::CharacterWindow(HWND parent) : ModalDialog(IDD_CHARACTER, parent) {
    m_icon = LoadIconA(Application::Instance(), MAKEINTRESOURCEA(IDI_WHISKERTIME));

    std::string appDirectory;
    GetAppDirectory(appDirectory);
    SetAppPaths(appDirectory);

    SkinManager& skins = SkinManager::Instance();
    skins.SetOptions(skins.Options() | kSkinOptionDialogs);
    skins.LoadSkin(SkinPath.c_str(), nullptr);  // without a skin the plain look stays
}

BOOL CharacterWindow::OnInitDialog() {
    HWND hwnd = Handle();
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    // No taskbar button and no Alt+Tab entry.
    LONG_PTR exStyle = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);

    GetAppDirectory(m_appDirectory);

    // The timers run from here on; their messages come only after this handler returns, so the
    // list is complete before the first schedule tick.
    LoadReminders();
    return TRUE;
}

bool CharacterWindow::OnCommand(int id, int) {
    switch (id) {
        case ID_MENU_EXIT:
            OnExit();
            return true;
        default:
            return false;
    }
}

void CharacterWindow::OnExit() {
    PostQuitMessage(0);
}

INT_PTR CharacterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(m_icon);
        case WM_DESTROY:
            OnExit();
            return FALSE;
        default:
            return ModalDialog::HandleMessage(message, wParam, lParam);
    }
}
