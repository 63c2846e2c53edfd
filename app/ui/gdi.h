// Owners for GDI objects and device contexts. Each acquires in its constructor and releases in
// its destructor, so a handler that draws cannot leak what it used. Every live object is
// counted, which lets tests check that a drawing path gives back all it took.
#pragma once

#include <windows.h>

#include <utility>

namespace gdi {

// Objects and DCs currently held by the types below.
long LiveCount();

namespace detail {
void Acquired();
void Released();
}  // namespace detail

// A GDI object (bitmap, font, brush, pen) deleted with DeleteObject.
template <typename Handle>
class Object {
public:
    Object() = default;
    explicit Object(Handle handle) : m_handle(handle) {
        if (m_handle != nullptr) {
            detail::Acquired();
        }
    }
    ~Object() { Reset(); }
    Object(Object&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) {
            Reset();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    void Reset() {
        if (m_handle != nullptr) {
            DeleteObject(m_handle);
            detail::Released();
            m_handle = nullptr;
        }
    }

private:
    Handle m_handle = nullptr;
};

using Bitmap = Object<HBITMAP>;
using Font = Object<HFONT>;
using Brush = Object<HBRUSH>;
using Pen = Object<HPEN>;
using Region = Object<HRGN>;

// A window's DC from GetDC, released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window);
    ~WindowDC();
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window);
    ~PaintDC();
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return m_paint.hdc; }
    const PAINTSTRUCT& Paint() const { return m_paint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
};

// A memory DC compatible with another DC. Select() remembers the object it first replaced and
// puts it back before the DC is deleted, so a bitmap is never deleted while still selected.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith);
    ~MemoryDC();
    MemoryDC(MemoryDC&& other) noexcept;
    MemoryDC& operator=(MemoryDC&&) = delete;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    void Select(HGDIOBJ object);

private:
    HDC m_dc;
    HGDIOBJ m_original = nullptr;
};

// Selects an object into a DC for a scope and puts the one it replaced back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~Selected() {
        if (m_previous != nullptr) {
            SelectObject(m_dc, m_previous);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// Copies a bitmap (its top-left `width` x `height`) to `target` at (x, y) through `scratch`.
void DrawBitmap(HDC target, MemoryDC& scratch, HBITMAP bitmap, int x, int y, int width, int height);

// The size of a bitmap in pixels.
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace gdi
