// The floor that the idle character is measured against (scripts/idle.sh): a bare window of the
// character's size with a 100 ms timer that does nothing, run until it is ended.
#include <windows.h>

namespace {

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "WhiskertimeIdleFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "Idle floor",
                                  WS_POPUP | WS_VISIBLE, 399, 221, 225, 305, nullptr, nullptr,
                                  instance, nullptr);
    SetTimer(window, 1, 100, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return 0;
}
