// Reading pixels back from the screen and from the program's own bitmap resources.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;  // row by row, top row first
    COLORREF At(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
    // The part of this image at (x, y) of the given size.
    Pixels Crop(int x, int y, int w, int h) const;
    bool operator==(const Pixels&) const = default;
};

inline void PrintTo(const Pixels& p, std::ostream* os) {
    *os << p.width << " x " << p.height << " pixels";
}

// What the screen shows in the rectangle (screen coordinates).
Pixels CaptureScreen(const RECT& area);

// Whether any pixel of the screen's rectangle has exactly this colour.
bool ScreenShows(const RECT& area, COLORREF colour);

// A bitmap resource of a loaded module (null: this program).
Pixels LoadBitmapPixels(HMODULE module, int bitmapId);
// A bitmap resource of a program file, read without running the program.
Pixels LoadBitmapPixels(const std::string& programFile, int bitmapId);

// Writes pixels as a 24-bit BMP, for looking at what a failing check saw.
void SaveBitmap(const Pixels& pixels, const std::string& path);
