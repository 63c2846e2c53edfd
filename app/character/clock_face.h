// The character's clock face and head: where the six digits go and which part of the window is
// the head. Plain C++, tested natively.
#pragma once

#include <array>

#include "ui/geometry.h"

// HH MM SS, left to right, in window coordinates. The colons between them belong to the
// character's artwork.
inline constexpr std::array<Rect, 6> kDigitCells = {{
    {33, 214, 49, 239},
    {49, 214, 65, 239},
    {72, 214, 88, 239},
    {88, 214, 104, 239},
    {111, 214, 127, 239},
    {127, 214, 143, 239},
}};

// The digits of a time of day in cell order: 7:05:09 gives 0 7 0 5 0 9.
std::array<int, 6> ClockDigits(int hour, int minute, int second);

// The head, in client coordinates: a click there opens the menu; elsewhere drags the character.
inline constexpr Rect kHeadRect = {0, 0, 151, 145};
