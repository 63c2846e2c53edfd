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

TEST(Startup, ASecondStartShowsTheFirstCopysCharacterAndEndsWhileAnotherFolderRunsItsOwn) {
    AppInstance first;
    ASSERT_TRUE(first.Start());
    first.PostCommand(ID_MENU_HIDE_MOUSE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(first.CharacterWindow()); }, 5000));

    // The same installation started again, as the Start menu does after the auto start.
    std::string program = first.Directory() + "Whiskertime.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, first.Directory().c_str(), &startup, &second));
    EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0) << "it ends";
    DWORD code = 1;
    GetExitCodeProcess(second.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(first.CharacterWindow()) != FALSE; }, 5000))
        << "the first copy's character shows";
    RECT r{};
    GetWindowRect(first.CharacterWindow(), &r);
    EXPECT_EQ(r.left, 799) << "at its place";
    EXPECT_EQ(r.top, 443);
    EXPECT_TRUE(first.IsRunning());

    // Another folder is another installation, with files of its own: it runs alongside.
    AppInstance other;
    ASSERT_TRUE(other.Start());
    Sleep(500);
    EXPECT_TRUE(other.IsRunning());
    EXPECT_TRUE(first.IsRunning());
    EXPECT_EQ(other.Exit(), 0);
    EXPECT_EQ(first.Exit(), 0);
}

TEST(Startup, AStoreAndASkinOfAbsurdSizeDoNotStopTheStart) {
    AppInstance app;
    for (const char* name : {"userconfig.ini", "mouse.skin"}) {
        HANDLE file = CreateFileA((app.Directory() + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER size{};
        size.QuadPart = 3ll << 30;  // gigabytes: no room for them in memory, nor a reason
        SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        CloseHandle(file);
    }
    ASSERT_TRUE(app.Start());
    EXPECT_TRUE(app.IsRunning());
    EXPECT_EQ(app.Exit(), 0);
}

}  // namespace
