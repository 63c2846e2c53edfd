#include "gdi.h"

#include <atomic>

namespace gdi {

namespace {
std::atomic<long> g_live{0};
}

long LiveCount() {
    return g_live.load();
}

namespace detail {
void Acquired() {
    ++g_live;
}
void Released() {
    --g_live;
}
}  // namespace detail

WindowDC::WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {
    if (m_dc != nullptr) {
        detail::Acquired();
    }
}

WindowDC::~WindowDC() {
    if (m_dc != nullptr) {
        ReleaseDC(m_window, m_dc);
        detail::Released();
    }
}

PaintDC::PaintDC(HWND window) : m_window(window) {
    if (BeginPaint(window, &m_paint) != nullptr) {
        detail::Acquired();
    }
}

PaintDC::~PaintDC() {
    if (m_paint.hdc != nullptr) {
        EndPaint(m_window, &m_paint);
        detail::Released();
    }
}

MemoryDC::MemoryDC(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {
    if (m_dc != nullptr) {
        detail::Acquired();
    }
}

MemoryDC::MemoryDC(MemoryDC&& other) noexcept
    : m_dc(std::exchange(other.m_dc, nullptr)),
      m_original(std::exchange(other.m_original, nullptr)) {}

MemoryDC::~MemoryDC() {
    if (m_dc == nullptr) {
        return;
    }
    if (m_original != nullptr) {
        SelectObject(m_dc, m_original);
    }
    DeleteDC(m_dc);
    detail::Released();
}

void MemoryDC::Select(HGDIOBJ object) {
    HGDIOBJ previous = SelectObject(m_dc, object);
    if (m_original == nullptr) {
        m_original = previous;
    }
}

void DrawBitmap(HDC target, MemoryDC& scratch, HBITMAP bitmap, int x, int y, int width,
                int height) {
    scratch.Select(bitmap);
    BitBlt(target, x, y, width, height, scratch.Get(), 0, 0, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace gdi
