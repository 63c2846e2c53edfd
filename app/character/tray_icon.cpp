#include "tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "resources/resource.h"
#include "ui/application.h"

void TrayIcon::Add(HWND owner, HICON icon) {
    // The record's first, smallest form, which every version of the shell accepts.
    m_data = {};
    m_data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_data.hWnd = owner;
    m_data.uID = IDI_WHISKERTIME;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = WM_TRAY_NOTIFY;
    m_data.hIcon = icon;
    std::strcpy(m_data.szTip, "Whiskertime");
    Shell_NotifyIconA(NIM_ADD, &m_data);
    m_added = true;
}

void TrayIcon::Remove() {
    if (m_data.hWnd != nullptr) {
        Shell_NotifyIconA(NIM_DELETE, &m_data);
    }
    m_added = false;
}

void TrayIcon::Restore() {
    if (m_added) {
        Shell_NotifyIconA(NIM_ADD, &m_data);
    }
}

void OpenMouseMenu(HWND owner) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HMENU menu = LoadMenuA(Application::Instance(), MAKEINTRESOURCEA(IDR_MOUSE_MENU));
    if (menu == nullptr) {
        return;
    }
    // Without the foreground, a menu opened from the tray would not close when the user clicks
    // elsewhere.
    SetForegroundWindow(owner);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                   owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
}
