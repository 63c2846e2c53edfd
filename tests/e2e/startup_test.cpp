// Start-up and the end of the program, through the real exe.
#include <gtest/gtest.h>

#include "app_instance.h"
#include "resources/resource.h"

namespace {

TEST(Startup, ShowsTheCharacterAsAToolWindowAndEndsOnExit) {
    AppInstance app;
    ASSERT_TRUE(app.Start());
    LONG exStyle = GetWindowLongA(app.CharacterWindow(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    LONG style = GetWindowLongA(app.CharacterWindow(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_EQ(app.Exit(), 0);
}

TEST(Startup, EnterEscapeAndCloseDoNotEndIt) {
    AppInstance app;
    ASSERT_TRUE(app.Start());
    HWND window = app.CharacterWindow();
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(app.WaitForExit(1000));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(app.Exit(), 0);
}

TEST(Startup, RunsUnderAnotherNameFromAnotherDirectoryWithoutSkinOrStores) {
    AppInstance app("clock.exe");
    DeleteFileA((app.Directory() + "mouse.skin").c_str());
    // Damaged stores do not stop it either.
    WriteWholeFile(app.Directory() + "userconfig.ini", std::string("[\0\r\r\nMESSAGE", 13));
    TempDirectory elsewhere;
    ASSERT_TRUE(app.Start(elsewhere.Path()));
    EXPECT_EQ(app.Exit(), 0);
    // Nothing is written at start or exit: the store is as it was and nothing appeared elsewhere.
    EXPECT_EQ(ReadWholeFile(app.Directory() + "userconfig.ini"),
              std::string("[\0\r\r\nMESSAGE", 13));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((elsewhere.Path() + "*.ini").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
}

}  // namespace
