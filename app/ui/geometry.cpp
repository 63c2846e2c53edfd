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

Point BesidePosition(Size size, const Rect& owner, const Rect& bounds) {
    Point at = CentredPosition(size, owner, bounds);
    if (owner.left - size.width >= bounds.left) {
        return {owner.left - size.width,
                CentredPosition(size, {0, owner.bottom - size.height, 0, owner.bottom}, bounds).y};
    }
    if (owner.right + size.width <= bounds.right) {
        return {owner.right,
                CentredPosition(size, {0, owner.bottom - size.height, 0, owner.bottom}, bounds).y};
    }
    // Above or below: on the side with more room, clamped, so at worst it covers the feet.
    const int roomBelow = bounds.bottom - owner.bottom;
    const int roomAbove = owner.top - bounds.top;
    at.y = roomBelow >= roomAbove ? owner.bottom : owner.top - size.height;
    return CentredPosition(size, {at.x, at.y, at.x + size.width, at.y + size.height}, bounds);
}
