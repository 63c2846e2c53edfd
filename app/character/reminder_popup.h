// The reminder popup: a small always-on-top notification in the corner of the work area that
// fades in, stays while the mouse is over it, fades out and releases itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "character/popup_animation.h"
#include "ui/gdi.h"
#include "ui/window.h"

class ReminderPopup;

// One element drawn in the popup. Colours are COLORREF values, or -1 for the look's own.
struct PopupItem {
    Rect rect{0, 0, 0, 0};  // client coordinates
    std::string text;
    std::int32_t textColour = -1;
    std::int32_t backgroundColour = -1;
    std::int32_t borderColour = -1;
    UINT format = 0;        // DrawText flags
    bool hyperlink = true;  // underlined while hot
    bool bold = false;
    bool button = false;   // highlighted while hot or pressed
    int id = 0;            // -1: closes the popup
    HICON icon = nullptr;  // owned by the popup
    Point iconOffset{0, 0};
    int index = 0;
    ReminderPopup* parent = nullptr;
};

inline constexpr int kCloseItemId = -1;

class ReminderPopup : public Window, private PopupHost {
public:
    ReminderPopup();
    ~ReminderPopup() override;

    // Appends the item and returns it; items keep their place for the popup's life.
    PopupItem& AppendItem(PopupItem item);
    void SetItemIcon(PopupItem& item, HICON icon);
    // Fonts and colours from the desktop's scheme.
    void SetUpLook();

    PopupSettings& Settings() { return m_animation.settings; }
    PopupState State() const { return m_animation.State(); }

    // Creates the window if needed and starts the fade-in; false if the window cannot be created
    // or the popup is already open.
    bool Open(HWND owner);
    // Destroys the window at once. An opened popup is deleted with its window: called from
    // outside the popup's own handlers, the object is gone when this returns.
    void Close();

    // Lifetime: once opened, a popup owns itself. It is deleted after its window is destroyed
    // (by its own course, by Close, or with its owner window), once no handler of it is still
    // running, and this callback (if any) hears of it first. A popup deleted while its window is
    // still open (never opened successfully) destroys the window without deleting itself twice.
    void SetOnReleased(std::function<void(ReminderPopup*)> onReleased) {
        m_onReleased = std::move(onReleased);
    }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

    void StartTimer(int id, int periodMs) override;
    void StopTimer(int id) override;
    void MoveTo(const PopupFrame& frame) override;
    void SetAlpha(int alpha) override;
    void RepaintNow() override;
    void TrackMouseLeave() override;
    void Destroy() override;

    void OnPaint();
    void DrawBackground(HDC dc, const RECT& client) const;
    void DrawItem(HDC dc, const PopupItem& item) const;
    void DrawButtonHighlight(HDC dc, const PopupItem& item) const;
    void OnMouseMove(Point point);
    void OnLeftButtonDown(Point point);
    void OnLeftButtonUp(Point point);
    int ItemAt(Point point) const;
    void Redraw();

    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

    PopupAnimation m_animation{*this};
    std::deque<PopupItem> m_items;
    int m_hot = -1;
    int m_pressed = -1;
    SetLayeredWindowAttributesFn m_setLayered = nullptr;
    std::function<void(ReminderPopup*)> m_onReleased;

    struct Look {
        gdi::Font fonts[4];  // plain, bold, underlined, bold and underlined
        COLORREF text = 0;
        COLORREF backgroundTop = 0;
        COLORREF backgroundBottom = 0;
        COLORREF frame = 0;
        COLORREF captionTop = 0;
        COLORREF captionBottom = 0;
        COLORREF hotFill = RGB(255, 238, 194);
        COLORREF pressedFill = RGB(254, 128, 62);
        COLORREF buttonBorder = RGB(0, 0, 128);
    } m_look;
};
