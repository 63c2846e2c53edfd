// The framework's plain window: a registered class whose window procedure forwards every message
// to one C++ object, stored on the window at WM_NCCREATE.
#pragma once

#include <windows.h>

class Window {
public:
    Window() = default;
    // A window still open when its object goes is detached first, so its destruction can no
    // longer reach the object (nor its OnFinalMessage), then destroyed.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return m_hwnd; }

protected:
    // Registers the class on first use: arrow cursor, no background brush (the window paints
    // all of itself).
    static bool RegisterClassOnce(const char* className);

    // Creates the window; null on failure.
    HWND Create(const char* className, DWORD exStyle, DWORD style, const RECT& rect, HWND owner);

    // Messages go here; the default is the platform's default handling.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Called once the window is destroyed and no handler of it is still running, so an object
    // may delete itself here even when a handler of its own destroyed the window.
    virtual void OnFinalMessage() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    int m_depth = 0;  // handlers of this window now running, nested
    bool m_destroyed = false;
};
