// Watches the desktop's mouse events from a test, through a low-level hook of its own on the
// calling thread. Installed before the capture library's hook, it is called after it, so what it
// sees is what that hook passed on. Button events can be kept from reaching the desktop, so that
// injected clicks land nowhere.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

struct ObservedEvent {
    unsigned message;
    POINT pt;
    DWORD time;
    double seconds;  // when the hook saw it, on the test's clock
};

// Seconds from an arbitrary start, precise to well below a millisecond.
double Now();

class MouseObserver {
public:
    explicit MouseObserver(bool keepButtonsFromTheDesktop = true);
    ~MouseObserver();
    MouseObserver(const MouseObserver&) = delete;
    MouseObserver& operator=(const MouseObserver&) = delete;

    const std::vector<ObservedEvent>& Events() const { return m_events; }
    // The button events only (moves and the cursor position are left to polling).
    std::vector<ObservedEvent> ButtonEvents() const;

    // Retrieves messages (so that hooks on this thread are called) until `done` holds or
    // `seconds` have passed; returns whether `done` held. The limit only guards against a hang.
    bool PumpUntil(const std::function<bool()>& done, double seconds = 10.0);
    // Lets the hook see what is still on its way, then forgets every event seen so far.
    void Forget();
    // Until `count` events have been seen.
    bool WaitForEvents(std::size_t count, double seconds = 10.0);
    // Until `thread` has ended, retrieving messages meanwhile.
    bool WaitForThread(HANDLE thread, double seconds = 30.0);

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) noexcept;

    HHOOK m_hook = nullptr;
    bool m_keepButtons;
    std::vector<ObservedEvent> m_events;
};

// Puts the cursor at a screen point and checks that it is there. Under Wine, SetCursorPos alone
// may leave the X pointer where an earlier test put it, and the next X event then moves the
// cursor back there; an absolute move through the input queue moves both. False if it never
// stays.
bool PlaceCursor(int x, int y);

// Injects one mouse event as a device would, through SendInput.
void Inject(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0);
