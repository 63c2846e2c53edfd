#include "reminder_popup.h"

#include <windowsx.h>

#include "ui/handles.h"
#include "ui/win_geometry.h"

namespace {

constexpr char kClassName[] = "WhiskertimeReminderPopup";
constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER |
                            SWP_NOSENDCHANGING;  // 0x0654
constexpr int kCaptionStripHeight = 7;

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

BYTE Blend(BYTE from, BYTE to, int step, int steps) {
    return static_cast<BYTE>(from + (to - from) * step / steps);
}

// A top-to-bottom gradient, one row at a time with the DC's own brush: nothing to create.
void VerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    int rows = r.bottom - r.top;
    for (int row = 0; row < rows; ++row) {
        int steps = rows > 1 ? rows - 1 : 1;
        COLORREF colour = RGB(Blend(GetRValue(top), GetRValue(bottom), row, steps),
                              Blend(GetGValue(top), GetGValue(bottom), row, steps),
                              Blend(GetBValue(top), GetBValue(bottom), row, steps));
        FillSolid(dc, {r.left, r.top + row, r.right, r.top + row + 1}, colour);
    }
}

}  // namespace

ReminderPopup::ReminderPopup() {
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    Settings().anchor = {static_cast<int>(workArea.right), static_cast<int>(workArea.bottom)};
    m_setLayered = FindLoadedFunction<SetLayeredWindowAttributesFn>("user32.dll",
                                                                    "SetLayeredWindowAttributes");
}

// A popup deleted while its window is open (one that was never handed its own life) leaves the
// window to the base, which detaches it before destroying it.
ReminderPopup::~ReminderPopup() {
    for (PopupItem& item : m_items) {
        if (item.icon != nullptr) {
            DestroyIcon(item.icon);
        }
    }
}

PopupItem& ReminderPopup::AppendItem(PopupItem item) {
    item.index = static_cast<int>(m_items.size());
    item.parent = this;
    m_items.push_back(std::move(item));
    return m_items.back();
}

void ReminderPopup::SetItemIcon(PopupItem& item, HICON icon) {
    if (item.icon != nullptr && item.icon != icon) {
        DestroyIcon(item.icon);
    }
    item.icon = icon;
}

void ReminderPopup::SetUpLook() {
    LOGFONTA font{};
    SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0);
    for (int variant = 0; variant < 4; ++variant) {
        LOGFONTA f = font;
        f.lfWeight = variant & 1 ? FW_BOLD : FW_NORMAL;
        f.lfUnderline = variant & 2 ? TRUE : FALSE;
        m_look.fonts[variant] = gdi::Font(CreateFontIndirectA(&f));
    }
    m_look.text = GetSysColor(COLOR_BTNTEXT);
    m_look.backgroundTop = GetSysColor(COLOR_WINDOW);
    m_look.backgroundBottom = GetSysColor(COLOR_BTNFACE);
    m_look.frame = GetSysColor(COLOR_WINDOWFRAME);
    m_look.captionTop = GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    m_look.captionBottom = GetSysColor(COLOR_ACTIVECAPTION);
}

bool ReminderPopup::Open(HWND owner) {
    if (Handle() == nullptr) {
        if (!RegisterClassOnce(kClassName)) {
            return false;
        }
        DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        if (m_setLayered != nullptr &&
            (Settings().transparency < 255 || Settings().kind == kPopupFade)) {
            exStyle |= WS_EX_LAYERED;
        }
        if (Create(kClassName, exStyle, WS_POPUP, RECT{0, 0, 0, 0}, owner) == nullptr) {
            return false;
        }
        m_animation.WindowCreated();
    }
    return m_animation.Open();
}

void ReminderPopup::Close() {
    m_hot = -1;
    m_pressed = -1;
    m_animation.Close();
}

void ReminderPopup::OnFinalMessage() {
    if (m_onReleased) {
        m_onReleased(this);
    }
    delete this;
}

LRESULT ReminderPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;  // a click never takes the focus from another window
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            m_animation.OnTimer(static_cast<int>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_MOUSELEAVE:
            OnMouseMove({-1, -1});
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            OnLeftButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            if (m_pressed != -1) {
                m_pressed = -1;
                Redraw();
            }
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

// --- what the animation asks of the window ---

void ReminderPopup::StartTimer(int id, int periodMs) {
    SetTimer(Handle(), static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void ReminderPopup::StopTimer(int id) {
    KillTimer(Handle(), static_cast<UINT_PTR>(id));
}

void ReminderPopup::MoveTo(const PopupFrame& frame) {
    SetWindowPos(Handle(), nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, kMoveFlags);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void ReminderPopup::SetAlpha(int alpha) {
    if (m_setLayered != nullptr && (GetWindowLongA(Handle(), GWL_EXSTYLE) & WS_EX_LAYERED)) {
        m_setLayered(Handle(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    }
}

void ReminderPopup::RepaintNow() {
    UpdateWindow(Handle());
}

void ReminderPopup::TrackMouseLeave() {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

void ReminderPopup::Destroy() {
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

// --- mouse ---

int ReminderPopup::ItemAt(Point point) const {
    std::vector<Rect> rects;
    rects.reserve(m_items.size());
    for (const PopupItem& item : m_items) {
        rects.push_back(item.rect);
    }
    return HitTestItems(rects, point);
}

void ReminderPopup::Redraw() {
    InvalidateRect(Handle(), nullptr, FALSE);
}

void ReminderPopup::OnMouseMove(Point point) {
    RECT client{};
    GetClientRect(Handle(), &client);
    m_animation.OnMouseMove(ToRect(client).Contains(point.x, point.y) || m_pressed != -1);
    int hot = ItemAt(point);
    if (m_pressed != -1 && hot != m_pressed) {
        hot = -1;
    }
    if (hot != m_hot) {
        m_hot = hot;
        Redraw();
    }
}

void ReminderPopup::OnLeftButtonDown(Point point) {
    m_animation.OnLeftButtonDown();
    int item = ItemAt(point);
    if (item != -1) {
        m_pressed = item;
        SetCapture(Handle());
        Redraw();
    }
}

void ReminderPopup::OnLeftButtonUp(Point point) {
    if (m_pressed == -1) {
        return;
    }
    int released = m_pressed;
    m_pressed = -1;
    ReleaseCapture();
    Redraw();
    if (released != m_hot) {
        OnMouseMove(point);
        return;
    }
    if (m_items[static_cast<std::size_t>(released)].id == kCloseItemId) {
        Close();  // at once, without fading out
    }
}

// --- painting: the whole client area composed off screen, then copied in one go ---

void ReminderPopup::OnPaint() {
    gdi::PaintDC paint(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) {
        return;
    }
    gdi::Bitmap canvas(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    gdi::MemoryDC offscreen(paint.Get());
    offscreen.Select(canvas.Get());
    HDC dc = offscreen.Get();
    SelectObject(dc, GetStockObject(DC_BRUSH));
    DrawBackground(dc, client);
    for (const PopupItem& item : m_items) {
        DrawItem(dc, item);
    }
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

void ReminderPopup::DrawBackground(HDC dc, const RECT& client) const {
    VerticalGradient(dc, client, m_look.backgroundTop, m_look.backgroundBottom);
    FrameSolid(dc, client, m_look.frame);
    RECT strip{client.left + 1, client.top + 1, client.right - 1,
               client.top + 1 + kCaptionStripHeight};
    if (strip.right <= strip.left || strip.bottom > client.bottom) {
        return;
    }
    VerticalGradient(dc, strip, m_look.captionTop, m_look.captionBottom);
    for (int x : GripperDotPositions(strip.right - strip.left)) {
        int left = strip.left + x;
        FillSolid(dc, {left, strip.top + 1, left + 2, strip.top + 3}, RGB(40, 50, 71));
        FillSolid(dc, {left + 1, strip.top + 2, left + 3, strip.top + 4}, RGB(249, 250, 251));
        SetPixel(dc, left + 1, strip.top + 2, RGB(97, 116, 152));
    }
}

void ReminderPopup::DrawButtonHighlight(HDC dc, const PopupItem& item) const {
    bool hot = item.index == m_hot;
    if (!item.button || !hot) {
        return;
    }
    RECT r = ToRECT(item.rect);
    FillSolid(dc, r, item.index == m_pressed ? m_look.pressedFill : m_look.hotFill);
    FrameSolid(dc, r, m_look.buttonBorder);
}

void ReminderPopup::DrawItem(HDC dc, const PopupItem& item) const {
    RECT r = ToRECT(item.rect);
    if (item.backgroundColour != -1) {
        FillSolid(dc, r, static_cast<COLORREF>(item.backgroundColour));
    }
    if (item.borderColour != -1) {
        FrameSolid(dc, r, static_cast<COLORREF>(item.borderColour));
    }
    if (item.icon != nullptr) {
        DrawButtonHighlight(dc, item);
        DrawIconEx(dc, r.left + item.iconOffset.x, r.top + item.iconOffset.y, item.icon, 0, 0, 0,
                   nullptr, DI_NORMAL);
        return;
    }
    if (item.text.empty()) {
        return;
    }
    DrawButtonHighlight(dc, item);
    bool underlined = item.hyperlink && item.index == m_hot;
    HGDIOBJ previousFont =
        SelectObject(dc, m_look.fonts[(item.bold ? 1 : 0) | (underlined ? 2 : 0)].Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, item.textColour != -1 ? static_cast<COLORREF>(item.textColour) : m_look.text);
    // Messages are shown as typed: an ampersand is a character, not a mnemonic prefix.
    UINT format = item.format | DT_NOPREFIX;
    if ((format & DT_WORDBREAK) && (format & DT_VCENTER)) {
        RECT measured = r;
        int height = DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &measured,
                               format | DT_CALCRECT);
        r.top = (r.top + r.bottom - height) / 2;
    }
    DrawTextA(dc, item.text.c_str(), static_cast<int>(item.text.size()), &r, format);
    SelectObject(dc, previousFont);
}
