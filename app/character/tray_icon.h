// The notification-area icon and the program's menu, which opens from the icon and from the
// character's head.
#pragma once

#include <windows.h>
#include <shellapi.h>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon; its notifications come to `owner` as WM_TRAY_NOTIFY. A failure leaves the
    // program without a tray icon, still reachable through the character's head.
    void Add(HWND owner, HICON icon);
    // Removes the icon; harmless when it is gone already.
    void Remove();
    // Adds the icon again with the same record, after a restarted shell has lost every icon.
    // Nothing once the icon was removed for good.
    void Restore();

private:
    NOTIFYICONDATAA m_data{};
    bool m_added = false;
};

// Opens the menu at the cursor, its right edge there; the chosen command reaches `owner` as
// WM_COMMAND after the menu closes.
void OpenMouseMenu(HWND owner);
