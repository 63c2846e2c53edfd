// The character's pictures: bitmap resources, drawn straight onto the window over the artwork.
#pragma once

#include <windows.h>

#include "ui/gdi.h"
#include "ui/geometry.h"

// A bitmap resource of the program.
gdi::Bitmap LoadBitmapResource(int id);

// Draws a picture in an area of the window, its top-left part no larger than either of them.
void DrawPicture(HWND window, HBITMAP picture, const Rect& area);
