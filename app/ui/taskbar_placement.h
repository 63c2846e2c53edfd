// Puts a window at the taskbar's right end, as "show mouse" puts the character there.
#pragma once

#include <windows.h>

// Moves the window, size unchanged, so that its bottom-right corner sits on the taskbar's
// top-right corner (or at the work area's bottom-right corner where that would leave the
// screen), on top of every window, and shows it.
void PlaceAtTaskbarCorner(HWND window);
