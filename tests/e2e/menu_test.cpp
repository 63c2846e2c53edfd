// The program's menu and its seven commands, driven from outside as the shell and the user do.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app_instance.h"
#include "dialog_driver.h"
#include "version.h"
#include "resources/resource.h"
#include "user_input.h"

namespace {

// The process's open popup menu, if any.
HWND FindOpenMenu(DWORD processId) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char cls[16] = {};
            GetClassNameA(hwnd, cls, sizeof cls);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->pid && IsWindowVisible(hwnd) && std::string(cls) == "#32768") {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class MenuTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_app.Start()); }
    // The pointer goes back to the corner where the tests that replay input expect it, while
    // this program is still there to carry the move to the X pointer.
    void TearDown() override { MoveMouseTo(20, 20); }

    HWND WaitForMenu() {
        HWND menu = nullptr;
        WaitFor([&] { return (menu = FindOpenMenu(m_app.ProcessId())) != nullptr; }, 5000);
        return menu;
    }
    // Closes an open menu with Escape and waits until it has gone.
    bool DismissMenu() {
        PressKey(VK_ESCAPE);
        return WaitFor([&] { return FindOpenMenu(m_app.ProcessId()) == nullptr; }, 5000);
    }
    // A real right click on the tray icon, the only one of the notification area, at the
    // taskbar's right end; the menu opens and is closed again. Skipped without a taskbar.
    void RightClickTheTrayIcon() {
        RECT taskbar{};
        GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
        if (taskbar.bottom - taskbar.top <= 0) {
            GTEST_SKIP() << "no visible taskbar on this desktop";
        }
        ClickAt(taskbar.right - 10, (taskbar.top + taskbar.bottom) / 2, MOUSEEVENTF_RIGHTDOWN,
                MOUSEEVENTF_RIGHTUP);
        ASSERT_NE(WaitForMenu(), nullptr);
        EXPECT_TRUE(DismissMenu());
    }
    HWND WaitForDialog(const char* caption) {
        HWND dialog = nullptr;
        WaitFor(
            [&] {
                return (dialog = FindWindowA("#32770", caption)) != nullptr &&
                       IsWindowVisible(dialog);
            },
            5000);
        return dialog;
    }
    RECT CharacterRect() const {
        RECT r{};
        GetWindowRect(m_app.CharacterWindow(), &r);
        return r;
    }

    AppInstance m_app;
};

TEST_F(MenuTest, TheTrayIconIsThereWithItsIdAndTip) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = m_app.CharacterWindow();
    data.uID = IDI_WHISKERTIME;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "Whiskertime");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "only an existing icon can be modified";
    data.uID = IDI_WHISKERTIME + 1;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data));
}

TEST_F(MenuTest, ARightPressOnTheTrayIconOpensTheMenuAndItsChoiceIsCarriedOut) {
    // Another icon's notification, or another mouse message, opens nothing.
    PostMessageA(m_app.CharacterWindow(), WM_TRAY_NOTIFY, IDI_WHISKERTIME + 1, WM_RBUTTONDOWN);
    PostMessageA(m_app.CharacterWindow(), WM_TRAY_NOTIFY, IDI_WHISKERTIME, WM_RBUTTONUP);
    Sleep(500);
    EXPECT_EQ(FindOpenMenu(m_app.ProcessId()), nullptr);

    PostMessageA(m_app.CharacterWindow(), WM_TRAY_NOTIFY, IDI_WHISKERTIME, WM_RBUTTONDOWN);
    ASSERT_NE(WaitForMenu(), nullptr);
    EXPECT_TRUE(DismissMenu());
    EXPECT_TRUE(m_app.IsRunning());

    // Opened again, its second item is "hide mouse".
    PostMessageA(m_app.CharacterWindow(), WM_TRAY_NOTIFY, IDI_WHISKERTIME, WM_RBUTTONDOWN);
    ASSERT_NE(WaitForMenu(), nullptr);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(m_app.CharacterWindow()); }, 5000));
    EXPECT_TRUE(m_app.IsRunning());
}

TEST_F(MenuTest, ARealRightClickOnTheTrayIconOpensTheMenu) {
    RightClickTheTrayIcon();
}

TEST_F(MenuTest, AClickOnTheHeadOpensTheMenuWithItsRightEdgeAtTheCursor) {
    RECT r = CharacterRect();
    ClickAt(r.left + 90, r.top + 100);  // on the face: see-through pixels let clicks pass
    HWND menuWindow = WaitForMenu();
    if (menuWindow == nullptr) {
        POINT cursor{};
        GetCursorPos(&cursor);
        HWND under = WindowFromPoint(cursor);
        char cls[64] = {};
        GetClassNameA(under, cls, sizeof cls);
        DWORD pid = 0;
        GetWindowThreadProcessId(under, &pid);
        ADD_FAILURE() << "cursor " << cursor.x << "," << cursor.y << " over " << cls << " of pid "
                      << pid << " (app " << m_app.ProcessId() << "), window at " << r.left << ","
                      << r.top << ", foreground " << GetForegroundWindow() << " enabled "
                      << IsWindowEnabled(m_app.CharacterWindow());
    }
    ASSERT_NE(menuWindow, nullptr);
    RECT menu{};
    GetWindowRect(menuWindow, &menu);
    EXPECT_NEAR(menu.right, r.left + 90, 1);
    EXPECT_TRUE(DismissMenu());
}

TEST_F(MenuTest, ShowMousePutsTheCharacterOnTheTaskbarCornerTopmost) {
    RECT taskbar{};
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
    m_app.PostCommand(ID_MENU_SHOW_MOUSE);
    ASSERT_TRUE(WaitFor([&] { return CharacterRect().left == taskbar.right - 225; }, 5000));
    RECT r = CharacterRect();
    EXPECT_EQ(r.top, taskbar.top - 305);
    // On the test desktop (1024 x 768, taskbar 20 pixels high at the bottom) that is 799, 443.
    if (taskbar.right == 1024 && taskbar.top == 748) {
        EXPECT_EQ(r.left, 799);
        EXPECT_EQ(r.top, 443);
    }
    EXPECT_TRUE(GetWindowLongA(m_app.CharacterWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(MenuTest, HideMouseHidesItAndALeftPressOnTheTrayIconShowsItAtTheTaskbarCorner) {
    HWND character = m_app.CharacterWindow();
    m_app.PostCommand(ID_MENU_HIDE_MOUSE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(character); }, 5000));
    EXPECT_TRUE(m_app.IsRunning());
    PostMessageA(character, WM_TRAY_NOTIFY, IDI_WHISKERTIME, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(character) != FALSE; }, 5000));
    RECT taskbar{};
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &taskbar);
    EXPECT_EQ(CharacterRect().left, taskbar.right - 225);
    EXPECT_EQ(CharacterRect().top, taskbar.top - 305);
}

struct DialogCase {
    const char* name;
    int command;
    const char* caption;
};

class MenuDialogTest : public MenuTest, public testing::WithParamInterface<DialogCase> {};

TEST_P(MenuDialogTest, OpensAModalDialogOwnedByTheCharacter) {
    HWND character = m_app.CharacterWindow();
    m_app.PostCommand(GetParam().command);
    HWND dialog = WaitForDialog(GetParam().caption);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), character);
    EXPECT_FALSE(IsWindowEnabled(character)) << "the character takes no input meanwhile";
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(character) != FALSE; }, 5000));
    EXPECT_TRUE(m_app.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Commands, MenuDialogTest,
                         testing::Values(DialogCase{"DoNow", ID_MENU_DO_NOW, "Do Now"},
                                         DialogCase{"Config", ID_MENU_CONFIG, "Config"},
                                         DialogCase{"About", ID_MENU_ABOUT, "About Whiskertime"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Makes a stand-in program the handler of .html files for this test, and puts the old handler
// back after.
class HtmlHandler {
public:
    explicit HtmlHandler(const std::string& program) {
        m_previous = ReadDefault(".html");
        WriteDefault(".html", "WhiskertimeTestPage");
        WriteDefault("WhiskertimeTestPage\\shell\\open\\command", "\"" + program + "\" \"%1\"");
    }
    ~HtmlHandler() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "WhiskertimeTestPage");
        if (m_previous.empty()) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".html");
        } else {
            WriteDefault(".html", m_previous);
        }
    }

private:
    static std::string ReadDefault(const char* path) {
        char value[256] = {};
        LONG size = sizeof value;
        if (RegQueryValueA(HKEY_CLASSES_ROOT, path, value, &size) != ERROR_SUCCESS) {
            return {};
        }
        return value;
    }
    static void WriteDefault(const char* path, const std::string& value) {
        RegSetValueA(HKEY_CLASSES_ROOT, path, REG_SZ, value.c_str(),
                     static_cast<DWORD>(value.size()));
    }

    std::string m_previous;
};

TEST(HelpCommand, OpensTheHelpPageBesideTheProgramWithItsDefaultAction) {
    AppInstance app;
    TempDirectory records;
    std::string record = records.Path() + "opened.txt";
    SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", record.c_str());  // inherited by the app
    HtmlHandler handler(InstallationDirectory() + "..\\tests\\e2e\\record_open.exe");
    ASSERT_TRUE(app.Start());
    app.PostCommand(ID_MENU_HELP);
    ASSERT_TRUE(WaitFor([&] { return !ReadWholeFile(record).empty(); }, 10000));
    std::string opened = ReadWholeFile(record);
    std::string page = app.Directory() + "Help\\help.html";
    EXPECT_NE(opened.find(page), std::string::npos) << opened;
    EXPECT_TRUE(app.IsRunning());
    SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", nullptr);
}

TEST(ExitCommand, EndsTheProgramAndRemovesTheTrayIcon) {
    AppInstance app;
    ASSERT_TRUE(app.Start());
    HWND character = app.CharacterWindow();
    EXPECT_EQ(app.Exit(), 0);
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = character;
    data.uID = IDI_WHISKERTIME;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &data)) << "the icon went with the program";
}

}  // namespace

namespace {

TEST_F(MenuTest, TheAboutBoxShowsTheProjectsVersion) {
    m_app.PostCommand(ID_MENU_ABOUT);
    HWND about = WaitForDialog("About Whiskertime");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(DialogDriver(m_app, about).Text(IDC_ABOUT_VERSION),
              std::string("Version ") + WHISKERTIME_VERSION_TEXT);
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5000));
}

}  // namespace

namespace {

// A restarted shell loses every tray icon and broadcasts "TaskbarCreated"; the character adds its
// icon again, whether it is shown or hidden, and the menu opens from the icon as before.
TEST_F(MenuTest, ARestartedShellGetsTheTrayIconBackAlsoWhileTheCharacterIsHidden) {
    HWND character = m_app.CharacterWindow();
    auto iconThere = [&] {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = character;
        data.uID = IDI_WHISKERTIME;
        data.uFlags = NIF_TIP;
        lstrcpyA(data.szTip, "Whiskertime");
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    };
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    for (bool hidden : {false, true}) {
        if (hidden) {
            m_app.PostCommand(ID_MENU_HIDE_MOUSE);
            ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(character); }, 5000));
        }
        // The icon is lost, as a restarting shell loses it.
        NOTIFYICONDATAA lost{};
        lost.cbSize = NOTIFYICONDATAA_V1_SIZE;
        lost.hWnd = character;
        lost.uID = IDI_WHISKERTIME;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &lost));
        ASSERT_FALSE(iconThere());
        DWORD_PTR result = 0;
        SendMessageTimeoutA(HWND_BROADCAST, taskbarCreated, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
        EXPECT_TRUE(WaitFor(iconThere, 5000)) << (hidden ? "hidden" : "shown");
        EXPECT_EQ(IsWindowVisible(character) != FALSE, !hidden) << "nothing else changes";
    }
    // A real right click on the icon opens the menu.
    RightClickTheTrayIcon();
}

}  // namespace
