#include "dialog_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "skin/skin_manager.h"

namespace {

constexpr UINT_PTR kDressSubclass = 0x5357;

bool HasClass(HWND window, const char* name) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

bool IsGroupBox(HWND control) {
    return HasClass(control, "Button") &&
           (GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsPicture(HWND control) {
    return HasClass(control, "Static") &&
           (GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

// Group boxes and pictures are drawn by the skin while it dresses their dialog.
LRESULT CALLBACK DressedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR) {
    const DialogSkin* skin = DialogSkin::Active();
    switch (message) {
        case WM_PAINT:
            if (skin != nullptr) {
                gdi::PaintDC paint(control);
                if (IsGroupBox(control)) {
                    skin->PaintGroupBox(control, paint.Get());
                } else {
                    skin->PaintPicture(control, paint.Get());
                }
                return 0;
            }
            break;
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_UPDATEUISTATE: {
            // A button repaints these at once, in the platform's colours: draw over it.
            LRESULT result = DefSubclassProc(control, message, wParam, lParam);
            InvalidateRect(control, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, &DressedControlProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

// The kind of the control a WM_CTLCOLOR* message is about.
ControlKind KindOfControl(UINT message, HWND control, bool stateLegend) {
    switch (message) {
        case WM_CTLCOLORDLG:
            return ControlKind::DialogFace;
        case WM_CTLCOLORBTN:
            return ControlKind::PushButton;
        case WM_CTLCOLORSTATIC:
            break;
        default:
            return ControlKind::EditField;  // edit boxes, list boxes, scroll bars
    }
    if (stateLegend) {
        return ControlKind::StateLegend;
    }
    if (HasClass(control, "Button")) {
        return IsGroupBox(control) ? ControlKind::GroupBox : ControlKind::CheckBox;
    }
    if (HasClass(control, "Edit")) {
        return ControlKind::ReadOnlyEdit;
    }
    return ControlKind::Label;
}

class SkinnedLook final : public DialogLook {
public:
    HBRUSH ControlColour(UINT message, HWND control, HDC dc, bool stateLegend) const override {
        const DialogSkin* skin = DialogSkin::Active();
        return skin != nullptr ? skin->Colour(KindOfControl(message, control, stateLegend), dc)
                               : nullptr;
    }
    void Dress(HWND dialog) const override {
        if (const DialogSkin* skin = DialogSkin::Active()) {
            skin->Dress(dialog);
        }
    }
};

}  // namespace

const DialogLook& SkinLook() {
    static const SkinnedLook look;
    return look;
}

DialogSkin::DialogSkin(const SkinPalette& palette)
    : m_palette(palette),
      m_face(CreateSolidBrush(palette.dialog)),
      m_groupFrame(CreateSolidBrush(*LookOf(ControlKind::GroupBox, &palette).frame)) {}

const DialogSkin* DialogSkin::Active() {
    static std::unique_ptr<DialogSkin> current;
    static unsigned madeFor = 0;  // no skin has generation 0
    const SkinManager& skins = SkinManager::Instance();
    if ((skins.Options() & kSkinOptionDialogs) == 0) {
        return nullptr;
    }
    if (madeFor != skins.Generation()) {
        madeFor = skins.Generation();
        current.reset();
        if (const Skin* skin = skins.Loaded()) {
            if (auto palette = MakeSkinPalette(*skin)) {
                current = std::make_unique<DialogSkin>(*palette);
            }
        }
    }
    return current.get();
}

HBRUSH DialogSkin::Colour(ControlKind kind, HDC dc) const {
    ControlLook look = LookOf(kind, &m_palette);
    HBRUSH brush = nullptr;
    switch (look.backdrop) {
        case Backdrop::Platform:
            return nullptr;
        case Backdrop::Skin:
            SetBkColor(dc, m_palette.dialog);
            brush = m_face.Get();
            break;
        case Backdrop::Field:
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            brush = GetSysColorBrush(COLOR_WINDOW);
            break;
    }
    if (look.text) {
        SetTextColor(dc, *look.text);
    }
    return brush;
}

void DialogSkin::Dress(HWND dialog) const {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((IsGroupBox(child) || IsPicture(child)) &&
            SetWindowSubclass(child, &DressedControlProc, kDressSubclass, 0)) {
            InvalidateRect(child, nullptr, TRUE);
        }
    }
}

// A frame in the group box's frame colour, broken at the top by the caption in its text colour
// on the dialog's face. The inside is left to the dialog.
void DialogSkin::PaintGroupBox(HWND box, HDC dc) const {
    RECT client{};
    GetClientRect(box, &client);
    auto font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    gdi::Selected selected(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);

    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    FrameRect(dc, &frame, m_groupFrame.Get());

    char text[256] = {};
    int length = GetWindowTextA(box, text, sizeof text);
    if (length <= 0) {
        return;
    }
    RECT caption{metrics.tmAveCharWidth, 0, client.right - metrics.tmAveCharWidth,
                 metrics.tmHeight};
    UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP | DT_END_ELLIPSIS;
    if (SendMessageA(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) {
        format |= DT_HIDEPREFIX;
    }
    RECT measured = caption;
    DrawTextA(dc, text, length, &measured, format | DT_CALCRECT);
    caption.right = std::min(caption.right, measured.right + 2);
    RECT gap{caption.left - 2, caption.top, caption.right, caption.bottom};
    FillRect(dc, &gap, m_face.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(box) ? *LookOf(ControlKind::GroupBox, &m_palette).text
                                          : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, text, length, &caption, format);
}

// The picture on the dialog's face; its own flat background, the colour of its top-left pixel,
// gives way to the face.
void DialogSkin::PaintPicture(HWND picture, HDC dc) const {
    RECT client{};
    GetClientRect(picture, &client);
    FillRect(dc, &client, m_face.Get());
    auto image = reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (image == nullptr) {
        return;
    }
    SIZE size = gdi::BitmapSize(image);
    int x = 0;
    int y = 0;
    if (GetWindowLongPtrA(picture, GWL_STYLE) & SS_CENTERIMAGE) {
        x = (client.right - size.cx) / 2;
        y = (client.bottom - size.cy) / 2;
    }
    gdi::MemoryDC scratch(dc);
    scratch.Select(image);
    COLORREF flat = GetPixel(scratch.Get(), 0, 0);
    // gdi32's own, not msimg32's: a system library loaded by name could be found beside the
    // program first.
    GdiTransparentBlt(dc, x, y, size.cx, size.cy, scratch.Get(), 0, 0, size.cx, size.cy, flat);
}
