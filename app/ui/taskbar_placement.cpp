#include "ui/taskbar_placement.h"

#include <optional>

#include "ui/taskbar_corner.h"
#include "ui/win_geometry.h"

void PlaceAtTaskbarCorner(HWND window) {
    RECT own{};
    GetWindowRect(window, &own);
    std::optional<Rect> taskbar;
    if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr)) {
        RECT r{};
        GetWindowRect(tray, &r);
        taskbar = ToRect(r);
    }
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    Rect w = ToRect(own);
    Point topLeft = ShowMousePosition({w.Width(), w.Height()}, taskbar, ToRect(workArea));
    SetWindowPos(window, HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}
