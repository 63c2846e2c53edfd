// Where "show mouse" puts the character, and the recorder beside it: its bottom-right corner on
// the taskbar's top-right corner, above the clock of the notification area. Plain arithmetic.
#pragma once

#include <optional>

#include "ui/geometry.h"

// The character's new top-left corner. The taskbar formula is used where it leaves the whole
// character inside the work area (a taskbar at the bottom); a taskbar at the top, left or right,
// none at all, or an empty one puts the character at the bottom-right corner of the work area.
Point ShowMousePosition(Size character, const std::optional<Rect>& taskbar, const Rect& workArea);
