#include "geometry.h"

Point CentredPosition(Size size, const Rect& area, const Rect& bounds) {
    int x = area.left + (area.Width() - size.width) / 2;
    int y = area.top + (area.Height() - size.height) / 2;
    if (x + size.width > bounds.right)
        x = bounds.right - size.width;
    if (y + size.height > bounds.bottom)
        y = bounds.bottom - size.height;
    if (x < bounds.left)
        x = bounds.left;
    if (y < bounds.top)
        y = bounds.top;
    return {x, y};
}
