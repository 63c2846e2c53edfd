// The program's resources as the windows load them: the menu's items and ids, the dialogs and the
// artwork sizes the drawing code relies on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "ui/gdi.h"

namespace {

TEST(Resources, TheMenuHasItsSevenCommandsInOrder) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MOUSE_MENU));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    struct Item {
        std::string text;
        UINT id;
        bool operator==(const Item&) const = default;
    };
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        char text[64] = {};
        GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        UINT id = GetMenuItemID(popup, i);
        items.push_back({text, id == static_cast<UINT>(-1) ? 0 : id});
    }
    DestroyMenu(menu);
    std::vector<Item> expected = {{"show mouse", ID_MENU_SHOW_MOUSE},
                                  {"hide mouse", ID_MENU_HIDE_MOUSE},
                                  {"", 0},
                                  {"Do Now", ID_MENU_DO_NOW},
                                  {"", 0},
                                  {"config", ID_MENU_CONFIG},
                                  {"help", ID_MENU_HELP},
                                  {"about", ID_MENU_ABOUT},
                                  {"exit", ID_MENU_EXIT}};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, expected[i].text) << i;
        EXPECT_EQ(items[i].id, expected[i].id) << i;
    }
}

TEST(Resources, TheArtworkHasTheSizesTheDrawingReliesOn) {
    struct Case {
        int id;
        int width, height;
    } cases[] = {{IDB_CHARACTER, 225, 305},  {IDB_EYES_CLOSED, 78, 38},
                 {IDB_EYES_OPEN, 79, 38},    {IDB_MOUTH_OPEN, 57, 57},
                 {IDB_MOUTH_CLOSED, 57, 57}, {IDB_COMPUTER_MOUSE, 25, 25}};
    for (const Case& c : cases) {
        gdi::Bitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.id)));
        ASSERT_TRUE(bitmap) << c.id;
        SIZE size = gdi::BitmapSize(bitmap.Get());
        EXPECT_EQ(size.cx, c.width) << c.id;
        EXPECT_EQ(size.cy, c.height) << c.id;
    }
    for (int digit = IDB_DIGIT_0; digit <= IDB_DIGIT_9; ++digit) {
        gdi::Bitmap bitmap(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(digit)));
        ASSERT_TRUE(bitmap) << digit;
        EXPECT_EQ(gdi::BitmapSize(bitmap.Get()).cx, 16);
        EXPECT_EQ(gdi::BitmapSize(bitmap.Get()).cy, 25);
    }
    for (int size : {16, 32}) {
        HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(IDI_WHISKERTIME), IMAGE_ICON,
                                                   size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
    HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

}  // namespace

#include "version.h"

namespace {

// The version of project() is the one the version resource reports.
TEST(Resources, TheVersionResourceShowsTheProjectsVersion) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(program, &handle);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(program, 0, size, block.data()));
    char* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(text, WHISKERTIME_VERSION_TEXT);
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), WHISKERTIME_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), WHISKERTIME_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwFileVersionLS), WHISKERTIME_VERSION_PATCH);
}

}  // namespace
