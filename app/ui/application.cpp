#include "application.h"

#include "ui/modal_dialog.h"

namespace {
Application* g_application = nullptr;
HINSTANCE g_instance = nullptr;
ModalDialog* g_mainWindow = nullptr;
}  // namespace

Application::Application() noexcept {
    g_application = this;
}

Application::~Application() {
    if (g_application == this) {
        g_application = nullptr;
    }
}

int Application::Run(HINSTANCE instance) {
    g_instance = instance;
    if (!InitInstance()) {
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

HINSTANCE Application::Instance() {
    return g_instance != nullptr ? g_instance : GetModuleHandleA(nullptr);
}

HWND Application::MainWindow() {
    return g_mainWindow != nullptr ? g_mainWindow->Handle() : nullptr;
}

void Application::SetMainWindow(ModalDialog* window) {
    g_mainWindow = window;
}
