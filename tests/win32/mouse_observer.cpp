#include "mouse_observer.h"

namespace {

MouseObserver* g_observer = nullptr;

}  // namespace

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / frequency;
}

MouseObserver::MouseObserver(bool keepButtonsFromTheDesktop)
    : m_keepButtons(keepButtonsFromTheDesktop) {
    g_observer = this;
    m_hook = SetWindowsHookExA(WH_MOUSE_LL, HookProc, GetModuleHandleA(nullptr), 0);
}

MouseObserver::~MouseObserver() {
    if (m_hook) {
        UnhookWindowsHookEx(m_hook);
    }
    g_observer = nullptr;
}

LRESULT CALLBACK MouseObserver::HookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && g_observer) {
        const auto* event = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        g_observer->m_events.push_back(
            {static_cast<unsigned>(wParam), event->pt, event->time, Now()});
        if (g_observer->m_keepButtons && wParam != WM_MOUSEMOVE) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<ObservedEvent> MouseObserver::ButtonEvents() const {
    std::vector<ObservedEvent> buttons;
    for (const ObservedEvent& e : m_events) {
        if (e.message != WM_MOUSEMOVE) {
            buttons.push_back(e);
        }
    }
    return buttons;
}

bool MouseObserver::PumpUntil(const std::function<bool()>& done, double seconds) {
    const double end = Now() + seconds;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) {
            return true;
        }
        if (Now() > end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

void MouseObserver::Forget() {
    PumpUntil([] { return false; }, 0.2);
    m_events.clear();
}

bool MouseObserver::WaitForEvents(std::size_t count, double seconds) {
    return PumpUntil([&] { return m_events.size() >= count; }, seconds);
}

bool MouseObserver::WaitForThread(HANDLE thread, double seconds) {
    return PumpUntil([&] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, seconds);
}

void Inject(DWORD flags, LONG dx, LONG dy, DWORD data) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.mouseData = data;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

bool PlaceCursor(int x, int y) {
    for (int attempt = 0; attempt < 30; ++attempt) {
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx =
            (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
        move.mi.dy =
            (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &move, sizeof move);
        SetCursorPos(x, y);
        Sleep(50);
        POINT pt{};
        GetCursorPos(&pt);
        if (pt.x == x && pt.y == y) {
            return true;
        }
    }
    return false;
}
