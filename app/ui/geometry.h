// Window geometry as plain arithmetic, so placements can be tested natively.
#pragma once

struct Point {
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Right and bottom edges excluded, as PtInRect has it.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // Whether `other` lies wholly inside this rectangle (shared edges included).
    bool Encloses(const Rect& other) const {
        return other.left >= left && other.top >= top && other.right <= right &&
               other.bottom <= bottom;
    }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width;
    int height;
};

// The top-left corner that centres a window of `size` over `area`, then moved as little as
// needed to lie inside `bounds` (its top-left corner wins when the window is larger).
Point CentredPosition(Size size, const Rect& area, const Rect& bounds);

// The top-left corner that puts a window of `size` beside `owner`, never over it when there is
// room: to its left, else to its right, bottoms aligned; else below or above it (on the side with
// more room), centred across it. Always moved as little as needed to lie inside `bounds`, so
// where there is no room at all it covers the owner's far end (a character's feet, not its face).
Point BesidePosition(Size size, const Rect& owner, const Rect& bounds);
