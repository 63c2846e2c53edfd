// Helpers for tests that run the character window in this process and drive it themselves.
#pragma once

#include <windows.h>

#include "resources/resource.h"

// Stops every timer of the character window, so only the ticks a test sends arrive.
inline void StopCharacterTimers(HWND character) {
    for (UINT id = ID_TIMER_BLINK; id <= ID_TIMER_SCHEDULE_RESUME; ++id) {
        KillTimer(character, id);
    }
}
