// Where "show mouse" puts the character: its bottom-right corner on the taskbar's top-right
// corner, above the clock of the notification area.
#pragma once

#include <optional>

#include "ui/geometry.h"

// The character's new top-left corner. Without a usable taskbar rectangle (none found, or an
// empty one) the character goes to the bottom-right corner of the work area instead.
Point ShowMousePosition(Size character, const std::optional<Rect>& taskbar, const Rect& workArea);
