#include "character/picture.h"

#include <algorithm>

#include "ui/application.h"

gdi::Bitmap LoadBitmapResource(int id) {
    return gdi::Bitmap(LoadBitmapA(Application::Instance(), MAKEINTRESOURCEA(id)));
}

void DrawPicture(HWND window, HBITMAP picture, const Rect& area) {
    if (picture == nullptr) {
        return;
    }
    SIZE size = gdi::BitmapSize(picture);
    gdi::WindowDC surface(window);
    gdi::MemoryDC scratch(surface.Get());
    gdi::DrawBitmap(surface.Get(), scratch, picture, area.left, area.top,
                    std::min<int>(area.Width(), size.cx), std::min<int>(area.Height(), size.cy));
}
