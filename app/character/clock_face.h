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

// What each cell of the clock shows, so that a tick draws only the digits that changed since the
// last tick or paint. A paint puts the artwork's own digits back, so after one every cell is drawn
// again at the next tick.
class ClockCells {
public:
    // After a paint: no cell shows a digit of ours.
    void Forget() { m_shown.fill(kArtwork); }
    // The cells whose digit differs from what they show; they are taken as drawn.
    std::array<bool, 6> Update(const std::array<int, 6>& digits);

private:
    static constexpr int kArtwork = -1;
    std::array<int, 6> m_shown{kArtwork, kArtwork, kArtwork, kArtwork, kArtwork, kArtwork};
};

// The head, in client coordinates: a click there opens the menu; elsewhere drags the character.
inline constexpr Rect kHeadRect = {0, 0, 151, 145};
