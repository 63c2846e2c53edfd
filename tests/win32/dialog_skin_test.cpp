// The skin on a real dialog of the program, read back from the screen: the face, a label, a group
// frame and a picture in the skin's colours, the platform's look whenever no skin dresses
// dialogs, and no GDI objects gained however often a skinned dialog opens.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "resources/resource.h"
#include "screen_capture.h"
#include "skin/dialog_skin.h"
#include "skin/skin_manager.h"
#include "temp_directory.h"
#include "ui/gdi.h"
#include "ui/modal_dialog.h"

namespace {

constexpr COLORREF kFace = RGB(0x20, 0x50, 0xA0);
constexpr COLORREF kAccent = RGB(0x00, 0xC0, 0x00);
constexpr char kSkin[] = "[colours]\r\ndialog=#2050A0\r\ntext=#FFFFFF\r\naccent=#00C000\r\n";

// What a test reads off the open dialog.
struct Seen {
    COLORREF face = CLR_INVALID;     // the dialog's own background
    COLORREF label = CLR_INVALID;    // behind the text of a label
    COLORREF frame = CLR_INVALID;    // the left edge of the group frame, halfway down
    COLORREF picture = CLR_INVALID;  // the picture's top-left corner, its flat background
};

HWND ChildWithStyle(HWND dialog, const char* className, LONG_PTR mask, LONG_PTR type) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, className) == 0 &&
            (GetWindowLongPtrA(child, GWL_STYLE) & mask) == type) {
            return child;
        }
    }
    return nullptr;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    RECT one{at.x, at.y, at.x + 1, at.y + 1};
    return CaptureScreen(one).At(0, 0);
}

// The recorder's layout (group box, label, picture, edit box) on the plain dialog base: whatever
// a dialog of the program wears, it wears through that base. Once its modal loop runs it is
// shown, painted, handed to `inspect`, and closed.
class SkinProbe : public ModalDialog {
public:
    explicit SkinProbe(std::function<void(HWND)> inspect)
        : ModalDialog(IDD_RECORDER, nullptr), m_inspect(std::move(inspect)) {}

protected:
    BOOL OnInitDialog() override {
        PostMessageA(Handle(), kInspect, 0, 0);
        return TRUE;
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kInspect) {
            return ModalDialog::HandleMessage(message, wParam, lParam);
        }
        HWND dialog = Handle();
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        RedrawWindow(dialog, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (int i = 0; i < 10; ++i) {  // let the painting reach the screen
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(20);
        }
        m_inspect(dialog);
        EndDialog(IDOK);
        return TRUE;
    }

private:
    static constexpr UINT kInspect = WM_APP + 7;
    std::function<void(HWND)> m_inspect;
};

Seen OpenAndLook() {
    Seen seen;
    SkinProbe probe([&](HWND dialog) {
        seen.face = ScreenPixel(dialog, 2, 2);
        HWND label = ChildWithStyle(dialog, "Static", SS_TYPEMASK, SS_LEFT);
        HWND group = ChildWithStyle(dialog, "Button", BS_TYPEMASK, BS_GROUPBOX);
        HWND picture = ChildWithStyle(dialog, "Static", SS_TYPEMASK, SS_BITMAP);
        if (label != nullptr) {
            RECT r{};
            GetClientRect(label, &r);
            seen.label = ScreenPixel(label, r.right - 1, r.bottom - 1);
        }
        if (group != nullptr) {
            RECT r{};
            GetClientRect(group, &r);
            seen.frame = ScreenPixel(group, 0, r.bottom / 2);
        }
        if (picture != nullptr) {
            seen.picture = ScreenPixel(picture, 0, 0);
        }
    });
    EXPECT_EQ(probe.DoModal(), IDOK);
    return seen;
}

// As at start-up: the skin file loaded, the dialogs option bit set or not, the skin as the look.
void UseSkin(const std::string& path, const char* text, bool dialogsBit) {
    ModalDialog::SetLook(&SkinLook());
    WriteWholeFile(path, text);
    SkinManager& skins = SkinManager::Instance();
    skins.LoadSkin(path.c_str());
    skins.SetOptions(dialogsBit ? skins.Options() | kSkinOptionDialogs
                                : skins.Options() & ~kSkinOptionDialogs);
}

TEST(DialogSkin, TheSkinPaintsTheDialogAndWithoutOneThePlatformDoes) {
    TempDirectory directory;
    const std::string path = directory.Path() + "mouse.skin";
    const COLORREF platformFace = GetSysColor(COLOR_3DFACE);
    ASSERT_NE(platformFace, kFace);

    // In the order a process can meet them: nothing loaded yet, then skins.
    struct Case {
        const char* name;
        const char* skin;
        bool dialogsBit;
        bool skinned;
    };
    const Case cases[] = {
        {"a damaged skin", "\x01\x02 not a skin [colours", true, false},
        {"a skin that names no dialog colour", "[colours]\r\ntext=#FFFFFF\r\n", true, false},
        {"the skin", kSkin, true, true},
        {"the skin, option bit cleared", kSkin, false, false},
        {"the skin again", kSkin, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseSkin(path, c.skin, c.dialogsBit);
        Seen seen = OpenAndLook();
        if (c.skinned) {
            EXPECT_EQ(seen.face, kFace);
            EXPECT_EQ(seen.label, kFace);
            EXPECT_EQ(seen.frame, kAccent);
            EXPECT_EQ(seen.picture, kFace) << "the picture's flat background gives way";
        } else {
            EXPECT_EQ(seen.face, platformFace);
            EXPECT_EQ(seen.label, platformFace);
            EXPECT_NE(seen.frame, kAccent);
            EXPECT_NE(seen.picture, kFace);
        }
    }
}

TEST(DialogSkin, ASkinnedDialogOpenedManyTimesHoldsNoMoreGdiObjects) {
    TempDirectory directory;
    UseSkin(directory.Path() + "mouse.skin", kSkin, true);
    auto platformCount = [] { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); };

    ASSERT_EQ(OpenAndLook().face, kFace);  // the skin's brushes are made here, once
    long held = gdi::LiveCount();
    DWORD platformHeld = platformCount();
    for (int i = 0; i < 40; ++i) {
        OpenAndLook();
    }
    EXPECT_EQ(gdi::LiveCount(), held);
    std::printf("GDI objects: %ld held by the program's owners; platform count %lu, then %lu\n",
                held, platformHeld, platformCount());
    if (platformHeld != 0) {
        EXPECT_LE(platformCount(), platformHeld + 2) << "no object left behind per opening";
    }
}

}  // namespace
