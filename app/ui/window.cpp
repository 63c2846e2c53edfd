#include "window.h"

#include "ui/application.h"

Window::~Window() {
    if (m_hwnd != nullptr) {
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool Window::RegisterClassOnce(const char* className) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(Application::Instance(), className, &existing)) {
        return true;
    }
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Window::WindowProc;
    windowClass.hInstance = Application::Instance();
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0;
}

HWND Window::Create(const char* className, DWORD exStyle, DWORD style, const RECT& rect,
                    HWND owner) {
    return CreateWindowExA(exStyle, className, "", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, owner, nullptr,
                           Application::Instance(), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    ++self->m_depth;
    LRESULT result = self->HandleMessage(message, wParam, lParam);
    --self->m_depth;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        self->m_destroyed = true;
    }
    if (self->m_destroyed && self->m_depth == 0) {
        self->OnFinalMessage();  // may delete the object: nothing touches it afterwards
    }
    return result;
}
