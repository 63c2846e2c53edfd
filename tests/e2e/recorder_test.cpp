// Recording a macro and running events at once, in the running program: the recorder opened from
// the settings window, driven by its control ids while real mouse input is injected, and the Do
// Now dialog from the tray menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app_instance.h"
#include "common/mouse_record.h"
#include "dialog_driver.h"
#include "resources/resource.h"
#include "user_input.h"

namespace {

constexpr char kClash[] = "Name Clash Please Over Again Input Name";

// Whether the process has the module of this file name loaded.
bool HasModule(HANDLE process, const char* name) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed)) {
        return false;
    }
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char base[MAX_PATH] = {};
        GetModuleBaseNameA(process, modules[i], base, sizeof base);
        if (lstrcmpiA(base, name) == 0) {
            return true;
        }
    }
    return false;
}

// The names of the files in a folder, sorted.
std::vector<std::string> FolderListing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class RecorderTest : public testing::Test {
protected:
    void SetUp() override { MoveMouseTo(20, 20); }
    void TearDown() override { MoveMouseTo(20, 20); }

    std::string Path(const std::string& name) const { return m_app.Directory() + name; }

    // Starts the program and opens the recorder from its settings window.
    void OpenRecorder() {
        if (!m_app.IsRunning()) {
            ASSERT_TRUE(m_app.Start());
        }
        m_app.PostCommand(ID_MENU_CONFIG);
        HWND config = WaitForDialogOf(m_app, "Config");
        ASSERT_NE(config, nullptr);
        DialogDriver(m_app, config).Click(IDC_ADD_STUDY_EVENT, true);
        HWND recorder = WaitForDialogOf(m_app, "Dialog");
        ASSERT_NE(recorder, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(config); }, 5000)) << "the settings closed";
        m_recorder = std::make_unique<DialogDriver>(m_app, recorder);
    }
    // Start, End, OK: which of the three buttons can be pressed.
    std::vector<bool> Buttons() const {
        return {IsWindowEnabled(m_recorder->Item(IDC_START_STUDY)) != FALSE,
                IsWindowEnabled(m_recorder->Item(IDC_END_STUDY)) != FALSE,
                IsWindowEnabled(m_recorder->Item(IDOK)) != FALSE};
    }
    // Records the user moving the mouse through the points.
    void Record(const std::vector<POINT>& points) {
        ASSERT_EQ(m_recorder->Click(IDC_START_STUDY), "");
        ASSERT_EQ(Buttons(), (std::vector<bool>{false, true, false}));
        for (POINT p : points) {
            MoveMouseTo(p.x, p.y);
        }
        Sleep(200);
    }
    // Waits for the fresh settings window that follows the recorder.
    HWND WaitForFreshSettings() const {
        HWND recorder = m_recorder->Handle();
        WaitFor([&] { return !IsWindow(recorder); }, 5000);
        return WaitForDialogOf(m_app, "Config");
    }

    AppInstance m_app;
    std::unique_ptr<DialogDriver> m_recorder;
};

TEST_F(RecorderTest, TheWholeRoadOfARecordingFromTheSettingsWindowToDoNow) {
    OpenRecorder();
    // Above the taskbar's right end, like the character beside it, on top of every window.
    RECT dialog{};
    GetWindowRect(m_recorder->Handle(), &dialog);
    EXPECT_EQ(dialog.right, 1024);
    EXPECT_EQ(dialog.bottom, 748);
    EXPECT_TRUE(GetWindowLongA(m_recorder->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT character{};
    GetWindowRect(m_app.CharacterWindow(), &character);
    EXPECT_EQ(character.left, 799);
    EXPECT_EQ(character.top, 443);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false})) << "Ready";

    const std::vector<POINT> points = {{150, 120}, {250, 160}, {350, 200}};
    Record(points);
    // Enter, once "Start Study" is disabled, gives OK: nothing before a recording is made.
    PostMessageA(m_recorder->Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(m_recorder->Click(IDC_END_STUDY), "");
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true})) << "Recorded";
    EXPECT_FALSE(HasModule(m_app.Process(), "Scurrylog.dll")) << "unloaded after the recording";
    m_recorder->SetText(IDC_EVENT_NAME, "Wave");
    m_recorder->Click(IDOK, true);

    HWND fresh = WaitForFreshSettings();
    ASSERT_NE(fresh, nullptr) << "a fresh settings window follows";
    DialogDriver settings(m_app, fresh);
    std::vector<std::string> events = settings.ListEntries(IDC_EVENT_LIST);
    EXPECT_EQ(events, (std::vector<std::string>{"Wave"}));
    const std::string recording = Path("StudyEvent\\Wave.sty");
    EXPECT_EQ(ProfileValue(Path("eventconfig.ini"), "EVENTCONFIG", "Wave"), recording);
    EXPECT_FALSE(FileExists(Path("study.tmp")));
    std::set<std::pair<LONG, LONG>> recorded;
    for (const MouseRecord& r : DecodeRecording(ReadWholeFile(recording))) {
        recorded.insert({r.x, r.y});
    }
    for (POINT p : points) {
        EXPECT_TRUE(recorded.count({p.x, p.y})) << "recorded " << p.x << ", " << p.y;
    }
    PostMessageA(fresh, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(fresh); }, 5000));

    // "Do Now" from the tray: the cursor goes the recorded way again.
    MoveMouseTo(20, 20);
    m_app.PostCommand(ID_MENU_DO_NOW);
    HWND doNow = WaitForDialogOf(m_app, "Do Now");
    ASSERT_NE(doNow, nullptr);
    DialogDriver run(m_app, doNow);
    run.SelectEntry(IDC_EVENT_LIST, 0);
    std::set<std::pair<LONG, LONG>> seen;
    run.Click(IDOK, true);
    WaitFor(
        [&] {
            POINT pt{};
            GetCursorPos(&pt);
            seen.insert({pt.x, pt.y});
            return seen.count({350, 200}) != 0;
        },
        10000);
    EXPECT_FALSE(IsWindow(doNow));
    for (POINT p : points) {
        EXPECT_TRUE(seen.count({p.x, p.y})) << "replayed " << p.x << ", " << p.y;
    }
}

TEST_F(RecorderTest, NamesThatClashOrWouldLeaveTheFolderAreRefusedAndAnotherIsTaken) {
    const std::string events = "[EVENTCONFIG]\r\nBackup=C:\\tools\\backup.exe\r\n";
    WriteWholeFile(Path("eventconfig.ini"), events);
    ASSERT_TRUE(m_app.Start());
    WriteWholeFile(Path("StudyEvent\\Taken.sty"), "an earlier recording");
    OpenRecorder();
    Record({{200, 150}});
    EXPECT_EQ(m_recorder->Click(IDC_END_STUDY), "");
    EXPECT_EQ(m_recorder->Click(IDOK), "Please Input Study Event Name");
    for (const char* name : {"Taken", "..\\evil", "sub\\dir", "a:b", "star*", "pipe|", "a=b", "[x",
                             ";x", " lead", "trail ", "CON", "nul.txt", "LPT3", "backup"}) {
        m_recorder->SetText(IDC_EVENT_NAME, name);
        EXPECT_EQ(m_recorder->Click(IDOK), kClash) << name;
        EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true})) << "still Recorded";
    }
    EXPECT_FALSE(FileExists(Path("evil.sty")));
    EXPECT_EQ(ReadWholeFile(Path("StudyEvent\\Taken.sty")), "an earlier recording");
    EXPECT_EQ(ReadWholeFile(Path("eventconfig.ini")), events) << "byte for byte";
    EXPECT_EQ(FolderListing(Path("StudyEvent\\")), std::vector<std::string>{"Taken.sty"});
    m_recorder->SetText(IDC_EVENT_NAME, "Fresh");
    m_recorder->Click(IDOK, true);
    ASSERT_NE(WaitForFreshSettings(), nullptr);
    EXPECT_TRUE(FileExists(Path("StudyEvent\\Fresh.sty")));
}

TEST_F(RecorderTest, ASaveTheRegistryRefusesKeepsTheRecordingAndASecondOKStoresIt) {
    OpenRecorder();
    RemoveDirectoryA(Path("StudyEvent").c_str());  // gone since the start: made again on save
    Record({{240, 160}});
    EXPECT_EQ(m_recorder->Click(IDC_END_STUDY), "");
    m_recorder->SetText(IDC_EVENT_NAME, "Kept");
    HANDLE held = CreateFileA(Path("eventconfig.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string told = m_recorder->Click(IDOK);
    CloseHandle(held);
    EXPECT_NE(told.find(Path("eventconfig.ini")), std::string::npos) << told;
    EXPECT_EQ(Buttons(), (std::vector<bool>{false, false, true})) << "still Recorded";
    EXPECT_TRUE(FileExists(Path("study.tmp"))) << "the recording is kept";
    EXPECT_FALSE(FileExists(Path("StudyEvent\\Kept.sty"))) << "no recording registered nowhere";
    m_recorder->Click(IDOK, true);
    ASSERT_NE(WaitForFreshSettings(), nullptr);
    EXPECT_TRUE(FileExists(Path("StudyEvent\\Kept.sty")));
    EXPECT_FALSE(FileExists(Path("study.tmp")));
    EXPECT_EQ(ProfileValue(Path("eventconfig.ini"), "EVENTCONFIG", "Kept"),
              Path("StudyEvent\\Kept.sty"));
}

TEST_F(RecorderTest, CancelWhileRecordingEndsTheCaptureAndOpensTheSettingsAgain) {
    OpenRecorder();
    Record({{300, 250}});
    ASSERT_TRUE(HasModule(m_app.Process(), "Scurrylog.dll"));
    PostMessageA(m_recorder->Handle(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_NE(WaitForFreshSettings(), nullptr);
    EXPECT_FALSE(HasModule(m_app.Process(), "Scurrylog.dll")) << "no hook outlives the dialog";
    // What was captured went to "study.tmp", as "End Study" would have written it.
    bool seen = false;
    for (const MouseRecord& r : DecodeRecording(ReadWholeFile(Path("study.tmp")))) {
        seen = seen || (r.x == 300 && r.y == 250);
    }
    EXPECT_TRUE(seen);
}

TEST_F(RecorderTest, ALibraryWithoutItsExportsLeavesTheRecorderReady) {
    // Any other library under the capture library's name.
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\version.dll").c_str(),
                          Path("Scurrylog.dll").c_str(), FALSE));
    OpenRecorder();
    EXPECT_EQ(m_recorder->Click(IDC_START_STUDY), "");
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(HasModule(m_app.Process(), "Scurrylog.dll")) << "unloaded again";
}

TEST_F(RecorderTest, AHookThePlatformRefusesIsToldAndTheRecorderStaysReady) {
    ASSERT_TRUE(
        CopyFileA(WindowsPath(REFUSING_HOOK_DLL).c_str(), Path("Scurrylog.dll").c_str(), FALSE));
    OpenRecorder();
    std::string told = m_recorder->Click(IDC_START_STUDY);
    EXPECT_NE(told.find("could not watch the mouse"), std::string::npos) << told;
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false})) << "Ready, not recording";
    EXPECT_FALSE(HasModule(m_app.Process(), "Scurrylog.dll")) << "unloaded again";
    EXPECT_FALSE(FileExists(Path("study.tmp"))) << "nothing recorded, nothing written";
}

TEST_F(RecorderTest, ARecordingThatCannotBeWrittenIsToldAndTheRecorderIsReadyAgain) {
    OpenRecorder();
    Record({{220, 180}});
    HANDLE lock = CreateFileA(Path("study.tmp").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    std::string told = m_recorder->Click(IDC_END_STUDY);
    CloseHandle(lock);
    EXPECT_NE(told.find(Path("study.tmp")), std::string::npos) << told;
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false})) << "Ready again, not OK";
}

class DoNowTest : public testing::Test {
protected:
    void TearDown() override { MoveMouseTo(20, 20); }
    HWND OpenDoNow() {
        m_app.PostCommand(ID_MENU_DO_NOW);
        return WaitForDialogOf(m_app, "Do Now");
    }
    AppInstance m_app;
};

TEST_F(DoNowTest, OpensBesideTheCharacterOnTheSideWithRoomTopsAligned) {
    ASSERT_TRUE(m_app.Start());
    for (bool atCorner : {false, true}) {
        if (atCorner) {
            m_app.PostCommand(ID_MENU_SHOW_MOUSE);
            WaitFor(
                [&] {
                    RECT r{};
                    GetWindowRect(m_app.CharacterWindow(), &r);
                    return r.left == 799;
                },
                5000);
        }
        RECT character{};
        GetWindowRect(m_app.CharacterWindow(), &character);
        HWND dialog = OpenDoNow();
        ASSERT_NE(dialog, nullptr);
        RECT r{};
        GetWindowRect(dialog, &r);
        EXPECT_EQ(r.top, character.top);
        if (atCorner) {
            EXPECT_EQ(r.right, character.left) << "no room on the right: to the left";
        } else {
            EXPECT_EQ(r.left, character.right) << "to the right";
        }
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    }
}

TEST_F(DoNowTest, AsksForASelectionThenRunsAStudyEventWhoseRecordingIsMissing) {
    const std::string missing = m_app.Directory() + "StudyEvent\\Ghost.sty";
    WriteWholeFile(m_app.Directory() + "eventconfig.ini",
                   "[EVENTCONFIG]\r\nGhost=" + missing + "\r\n");
    ASSERT_TRUE(m_app.Start());
    HWND dialog = OpenDoNow();
    ASSERT_NE(dialog, nullptr);
    DialogDriver doNow(m_app, dialog);
    EXPECT_EQ(doNow.ListEntries(IDC_EVENT_LIST), (std::vector<std::string>{"Ghost"}));
    EXPECT_EQ(doNow.Click(IDOK), "Please Select A Event");
    EXPECT_TRUE(doNow.IsOpen());
    doNow.SelectEntry(IDC_EVENT_LIST, 0);
    EXPECT_EQ(doNow.Click(IDOK), "");
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    // The replay finds nothing: its file is created empty, and the program goes on.
    EXPECT_TRUE(WaitFor([&] { return FileExists(missing); }, 5000));
    EXPECT_EQ(ReadWholeFile(missing), "");
    EXPECT_EQ(FindWindowA("WhiskertimeReminderPopup", nullptr), nullptr) << "no message, no popup";
    EXPECT_TRUE(m_app.IsRunning());
}

}  // namespace
