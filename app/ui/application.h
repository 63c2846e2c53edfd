// The application object: one per process, with a start-up routine and a main window.
#pragma once

#include <windows.h>

class ModalDialog;

class Application {
public:
    Application() noexcept;
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Called once at start. Returning false ends the process without a message loop.
    virtual bool InitInstance() = 0;

    // Runs the start-up routine and, if it asks for one, a message loop; returns the exit code.
    int Run(HINSTANCE instance);

    static HINSTANCE Instance();
    // The window that owns dialogs run without a parent (null until one is recorded).
    static HWND MainWindow();
    static void SetMainWindow(ModalDialog* window);
};
