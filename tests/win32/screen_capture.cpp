#include "screen_capture.h"

#include <fstream>

#include "ui/gdi.h"

namespace {

Pixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<std::size_t>(width) * height);
    GetDIBits(dc, bitmap, 0, height, raw.data(), &info, DIB_RGB_COLORS);
    Pixels pixels{width, height, {}};
    pixels.colours.reserve(raw.size());
    for (DWORD bgra : raw) {
        pixels.colours.push_back(RGB(static_cast<BYTE>(bgra >> 16), static_cast<BYTE>(bgra >> 8),
                                     static_cast<BYTE>(bgra)));
    }
    return pixels;
}

}  // namespace

Pixels Pixels::Crop(int x, int y, int w, int h) const {
    Pixels part{w, h, {}};
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            part.colours.push_back(At(x + column, y + row));
        }
    }
    return part;
}

Pixels CaptureScreen(const RECT& area) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    gdi::WindowDC screen(nullptr);
    gdi::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        gdi::MemoryDC copy(screen.Get());
        copy.Select(bitmap.Get());
        BitBlt(copy.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    return ReadBitmap(screen.Get(), bitmap.Get(), width, height);
}

Pixels LoadBitmapPixels(const std::string& programFile, int bitmapId) {
    HMODULE module = LoadLibraryExA(programFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return {};
    }
    Pixels pixels = LoadBitmapPixels(module, bitmapId);
    FreeLibrary(module);
    return pixels;
}

Pixels LoadBitmapPixels(HMODULE module, int bitmapId) {
    if (module == nullptr) {
        module = GetModuleHandleA(nullptr);
    }
    gdi::Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) {
        return {};
    }
    SIZE size = gdi::BitmapSize(bitmap.Get());
    gdi::WindowDC screen(nullptr);
    return ReadBitmap(screen.Get(), bitmap.Get(), size.cx, size.cy);
}

void SaveBitmap(const Pixels& pixels, const std::string& path) {
    int rowBytes = (pixels.width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = pixels.width;
    header.biHeight = pixels.height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * pixels.height);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    std::vector<char> row(static_cast<std::size_t>(rowBytes));
    for (int y = pixels.height - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width; ++x) {
            COLORREF c = pixels.At(x, y);
            row[x * 3] = static_cast<char>(GetBValue(c));
            row[x * 3 + 1] = static_cast<char>(GetGValue(c));
            row[x * 3 + 2] = static_cast<char>(GetRValue(c));
        }
        out.write(row.data(), rowBytes);
    }
}

bool ScreenShows(const RECT& area, COLORREF colour) {
    Pixels pixels = CaptureScreen(area);
    for (COLORREF c : pixels.colours) {
        if (c == colour) {
            return true;
        }
    }
    return false;
}
