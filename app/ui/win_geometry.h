// Conversions between the platform's RECT and POINT and the plain geometry types.
#pragma once

#include <windows.h>

#include "ui/geometry.h"

inline Rect ToRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

inline RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
