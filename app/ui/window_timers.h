// A window's own timers (SetTimer without a callback, ticks as WM_TIMER) behind TimerHost.
#pragma once

#include <windows.h>

#include "ui/timer_host.h"

class WindowTimers final : public TimerHost {
public:
    explicit WindowTimers(HWND window = nullptr) : m_window(window) {}
    void Attach(HWND window) { m_window = window; }

    void StartTimer(int id, unsigned periodMs) override {
        SetTimer(m_window, static_cast<UINT_PTR>(id), periodMs, nullptr);
    }
    void StopTimer(int id) override { KillTimer(m_window, static_cast<UINT_PTR>(id)); }

private:
    HWND m_window;
};
