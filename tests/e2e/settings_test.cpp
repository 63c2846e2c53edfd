// The settings window of the running program, driven by its control ids and checked against its
// list, "userconfig.ini", "eventconfig.ini" and the registry.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "app_instance.h"
#include "dialog_driver.h"
#include "resources/resource.h"
#include "screen_capture.h"
#include "skin/skin_manager.h"
#include "user_input.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    return *std::localtime(&now);
}

std::string AutoStartValue() {
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, "whiskertime", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return "<none>";
    }
    return value;
}

class SettingsTest : public testing::Test {
protected:
    void TearDown() override { MoveMouseTo(20, 20); }

    std::string Path(const char* name) const { return m_app.Directory() + name; }
    std::string Store() const { return ReadWholeFile(Path("userconfig.ini")); }

    void Open(const std::string& store = "", const std::string& events = "") {
        if (!store.empty()) {
            WriteWholeFile(Path("userconfig.ini"), store);
        }
        if (!events.empty()) {
            WriteWholeFile(Path("eventconfig.ini"), events);
        }
        ASSERT_TRUE(m_app.Start());
        OpenAgain();
    }
    void OpenAgain() {
        m_app.PostCommand(ID_MENU_CONFIG);
        HWND dialog = WaitForDialogOf(m_app, "Config");
        ASSERT_NE(dialog, nullptr);
        m_settings = std::make_unique<DialogDriver>(m_app, dialog);
    }
    void SetTime(int year, int month, int day, int hour, int minute) const {
        m_settings->SetText(IDC_YEAR, std::to_string(year));
        m_settings->SetText(IDC_MONTH, std::to_string(month));
        m_settings->SetText(IDC_DAY, std::to_string(day));
        m_settings->SetText(IDC_HOUR, std::to_string(hour));
        m_settings->SetText(IDC_MINUTE, std::to_string(minute));
    }
    int Rows() const { return m_settings->RowCount(IDC_REMINDER_LIST); }
    std::vector<std::string> RowTimes() const {
        std::vector<std::string> times;
        for (int row = 0; row < Rows(); ++row) {
            times.push_back(m_settings->RowText(IDC_REMINDER_LIST, row, 0));
        }
        return times;
    }

    // Picks the program in "Add Program Event" through the system's open-file dialog.
    void ChooseProgram(const DialogDriver& program, const std::string& path) const {
        program.Click(IDC_OPEN_PROGRAM, true);
        HWND open = WaitForDialogOf(m_app, "Open");
        ASSERT_NE(open, nullptr);
        for (int id : {1148, 1152}) {  // the file name box: a combo box or an edit, by style
            if (HWND box = GetDlgItem(open, id)) {
                SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
            }
        }
        PostMessageA(open, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(open); }, 5000));
        ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_PROGRAM_PATH) == path; }, 3000))
            << program.Text(IDC_PROGRAM_PATH);
    }

    AppInstance m_app;
    std::unique_ptr<DialogDriver> m_settings;
};

TEST_F(SettingsTest, OpensWithTheRemindersInTheirColoursTheEventsAndTheCurrentTime) {
    Open(ReminderSection("2009-03-01 08:00", "past, red") +
             ReminderSection("12:00", "every day, blue") +
             ReminderSection("2999-01-01 09:00", "to come, black", "Backup"),
         "[EVENTCONFIG]\r\nBackup=C:\\b.exe\r\n; a note\r\n");
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(RowTimes(),
              (std::vector<std::string>{"2009-03-01 08:00", "12:00", "2999-01-01 09:00"}));
    EXPECT_EQ(m_settings->RowText(IDC_REMINDER_LIST, 2, 1), "to come, black");
    EXPECT_EQ(m_settings->RowText(IDC_REMINDER_LIST, 2, 2), "Backup");
    EXPECT_FALSE(IsWindowVisible(m_settings->Item(IDC_LIST_PLACE))) << "the list takes its place";

    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    RECT row0 = m_settings->RowRect(IDC_REMINDER_LIST, 0);
    RECT row1 = m_settings->RowRect(IDC_REMINDER_LIST, 1);
    RECT row2 = m_settings->RowRect(IDC_REMINDER_LIST, 2);
    EXPECT_TRUE(WaitFor([&] { return ScreenShows(row0, red); }, 3000)) << "painted in its colour";
    EXPECT_FALSE(ScreenShows(row0, blue));
    EXPECT_TRUE(ScreenShows(row1, blue));
    EXPECT_FALSE(ScreenShows(row1, red));
    EXPECT_TRUE(ScreenShows(row2, RGB(0, 0, 0)));
    EXPECT_FALSE(ScreenShows(row2, red) || ScreenShows(row2, blue));

    // A line without "=" is an empty entry.
    EXPECT_EQ(m_settings->ListEntries(IDC_EVENT_LIST), (std::vector<std::string>{"Backup", ""}));
    const std::tm now = LocalNow();
    EXPECT_EQ(m_settings->Text(IDC_YEAR), std::to_string(now.tm_year + 1900));
    EXPECT_EQ(m_settings->Text(IDC_MONTH), std::to_string(now.tm_mon + 1));
    EXPECT_EQ(m_settings->Text(IDC_MESSAGE), "");
    EXPECT_EQ(IsDlgButtonChecked(m_settings->Handle(), IDC_EVERY_DAY), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(m_settings->Item(IDC_YEAR)));
    // The clock runs: "%d-%02d-%02d %02d:%02d:%02d".
    EXPECT_TRUE(WaitFor([&] { return m_settings->Text(IDC_CURRENT_TIME).size() == 19; }, 3000))
        << m_settings->Text(IDC_CURRENT_TIME);
}

TEST_F(SettingsTest, AddRemindChecksTheBoxesThenTheTimeThenTheTextsThenTheRepeat) {
    Open(ReminderSection("2999-03-01 08:00", "one time") + ReminderSection("12:00", "every day"));
    const std::string before = Store();
    struct Step {
        const char* what;
        std::string year;
        std::string month;
        std::string message;
        const char* refusal;
        int refusedBox;  // the box that gets the focus, 0 when none
    };
    const Step steps[] = {
        {"no year", "", "13", "", "Please enter an integer.", IDC_YEAR},
        {"month 13", "2999", "13", "", "Please enter an integer between 1 and 12.", IDC_MONTH},
        {"year before 2008", "2007", "1", "", "Please enter an integer between 2008 and 3000.",
         IDC_YEAR},
        {"a past minute", "2009", "3", "", "Time Error", 0},
        {"no message and no event", "2999", "3", "", "Please Input Message or Select Event", 0},
    };
    for (const Step& s : steps) {
        m_settings->SetText(IDC_YEAR, s.year);
        m_settings->SetText(IDC_MONTH, s.month);
        m_settings->SetText(IDC_DAY, "1");
        m_settings->SetText(IDC_HOUR, "8");
        m_settings->SetText(IDC_MINUTE, "0");
        m_settings->SetText(IDC_MESSAGE, s.message);
        EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), s.refusal) << s.what;
        if (s.refusedBox != 0) {
            GUITHREADINFO gui{sizeof gui};
            GetGUIThreadInfo(GetWindowThreadProcessId(m_settings->Handle(), nullptr), &gui);
            EXPECT_EQ(gui.hwndFocus, m_settings->Item(s.refusedBox)) << s.what;
            DWORD start = 0;
            DWORD end = 0;
            SendMessageA(m_settings->Item(s.refusedBox), EM_GETSEL,
                         reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ(end - start, static_cast<DWORD>(m_settings->Text(s.refusedBox).size()))
                << s.what << ": the refused text is selected";
        }
        EXPECT_EQ(Store(), before) << s.what;
        EXPECT_EQ(Rows(), 2) << s.what;
    }
    // The same time as a listed one-time reminder, now with a message: it repeats that one.
    m_settings->SetText(IDC_YEAR, "2999");
    m_settings->SetText(IDC_MESSAGE, "again");
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "Time Repeat");
    // A day later it is new: stored, and listed at the end in black.
    m_settings->SetText(IDC_DAY, "2");
    m_settings->SetText(IDC_HOUR, "12");
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "") << "beside an every-day 12:00";
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-03-02 12:00", "MESSAGE"), "again");
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-03-02 12:00", "EVENT"), "");
    EXPECT_EQ(RowTimes().back(), "2999-03-02 12:00");
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "Time Repeat") << "the boxes kept their values";

    // Every day: the date boxes are disabled and play no part; 08:00 clashes with the one-time
    // reminder of that hour.
    EXPECT_EQ(m_settings->Click(IDC_EVERY_DAY), "");
    EXPECT_EQ(IsDlgButtonChecked(m_settings->Handle(), IDC_EVERY_DAY), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(m_settings->Item(IDC_YEAR)));
    EXPECT_FALSE(IsWindowEnabled(m_settings->Item(IDC_DAY)));
    m_settings->SetText(IDC_HOUR, "8");
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "Time Repeat");
    m_settings->SetText(IDC_HOUR, "7");
    m_settings->SetText(IDC_MINUTE, "5");
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "") << "a time already past today";
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "07:05", "MESSAGE"), "again");
    EXPECT_EQ(Rows(), 4);
    // Off again: the date boxes come back.
    EXPECT_EQ(m_settings->Click(IDC_EVERY_DAY), "");
    EXPECT_TRUE(IsWindowEnabled(m_settings->Item(IDC_YEAR)));
}

TEST_F(SettingsTest, ARefusedBoxStopsEveryDayAndItsMarkStaysAsTheWindowIs) {
    Open();
    m_settings->SetText(IDC_MINUTE, "60");
    EXPECT_EQ(m_settings->Click(IDC_EVERY_DAY), "Please enter an integer between 0 and 59.");
    EXPECT_EQ(IsDlgButtonChecked(m_settings->Handle(), IDC_EVERY_DAY), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(m_settings->Item(IDC_YEAR)));
}

TEST_F(SettingsTest, DeleteRemindDeletesOnlyTheTopmostOfTheSelectedRows) {
    Open(ReminderSection("2999-01-01 01:00", "a") + ReminderSection("2999-01-01 02:00", "b") +
         ReminderSection("03:00", "c") + ReminderSection("2999-01-01 04:00", "d"));
    EXPECT_EQ(m_settings->Click(IDC_DELETE_REMIND), "") << "nothing selected: nothing happens";
    EXPECT_EQ(Rows(), 4);
    m_settings->SelectRows(IDC_REMINDER_LIST, {1, 2, 3});
    EXPECT_EQ(m_settings->Click(IDC_DELETE_REMIND), "");
    EXPECT_EQ(RowTimes(),
              (std::vector<std::string>{"2999-01-01 01:00", "03:00", "2999-01-01 04:00"}));
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-01-01 02:00", "MESSAGE"), "<none>");
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "03:00", "MESSAGE"), "c");
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-01-01 04:00", "MESSAGE"), "d");
}

// The process's visible dialogs but the character, by caption.
std::vector<std::string> OpenDialogs(const AppInstance& app) {
    std::vector<std::string> captions;
    for (HWND dialog : DialogsOf(app.ProcessId())) {
        if (dialog != app.CharacterWindow()) {
            char caption[64] = {};
            GetWindowTextA(dialog, caption, sizeof caption);
            captions.push_back(caption);
        }
    }
    return captions;
}

TEST_F(SettingsTest, WhileItIsOpenTheMenuOpensNoSecondWindowAndExitEndsCleanly) {
    Open(ReminderSection("2999-01-01 01:00", "a") + ReminderSection("2999-01-01 02:00", "b") +
         ReminderSection("03:00", "c"));
    for (int command : {ID_MENU_CONFIG, ID_MENU_DO_NOW, ID_MENU_ABOUT}) {
        m_app.PostCommand(command);
    }
    // Once the commands have been handled: a message sent now comes back after them.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(m_app.CharacterWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    Sleep(500);
    EXPECT_EQ(OpenDialogs(m_app), std::vector<std::string>{"Config"});
    EXPECT_EQ(GetForegroundWindow(), m_settings->Handle()) << "brought to the front";
    // The rows still are the store's.
    m_settings->SelectRows(IDC_REMINDER_LIST, {0});
    EXPECT_EQ(m_settings->Click(IDC_DELETE_REMIND), "");
    EXPECT_EQ(RowTimes(), (std::vector<std::string>{"2999-01-01 02:00", "03:00"}));
    EXPECT_EQ(Store(), ReminderSection("2999-01-01 02:00", "b") + ReminderSection("03:00", "c"));
    EXPECT_EQ(m_app.Exit(), 0) << "exit with the window open";
}

TEST_F(SettingsTest, DeleteBeforeRemindRemovesEveryRedReminderAndNothingElse) {
    Open(ReminderSection("2009-03-01 08:00", "red") + ReminderSection("12:00", "blue") +
         ReminderSection("2010-01-01 10:00", "red too") +
         ReminderSection("2999-01-01 09:00", "black"));
    EXPECT_EQ(m_settings->Click(IDC_DELETE_BEFORE_REMIND), "");
    EXPECT_EQ(RowTimes(), (std::vector<std::string>{"12:00", "2999-01-01 09:00"}));
    EXPECT_EQ(Store().find("2009-03-01"), std::string::npos);
    EXPECT_EQ(Store().find("2010-01-01"), std::string::npos);
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "12:00", "MESSAGE"), "blue");
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-01-01 09:00", "MESSAGE"), "black");
    // Opened again, nothing is red.
    PostMessageA(m_settings->Handle(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !m_settings->IsOpen(); }, 5000));
    OpenAgain();
    EXPECT_FALSE(ScreenShows(m_settings->RowRect(IDC_REMINDER_LIST, 0), RGB(255, 0, 0)));
    EXPECT_FALSE(ScreenShows(m_settings->RowRect(IDC_REMINDER_LIST, 1), RGB(255, 0, 0)));
}

TEST_F(SettingsTest, AutoStartSetsAndDeletesTheRunValue) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kRunKey, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, "whiskertime");
        RegCloseKey(key);
    }
    Open();
    EXPECT_EQ(IsDlgButtonChecked(m_settings->Handle(), IDC_AUTO_START), BST_UNCHECKED);
    EXPECT_EQ(m_settings->Click(IDC_AUTO_START), "");
    EXPECT_EQ(AutoStartValue(), "\"" + m_app.Directory() + "Whiskertime.exe\"");
    // Opened again, the box shows it.
    PostMessageA(m_settings->Handle(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !m_settings->IsOpen(); }, 5000));
    OpenAgain();
    EXPECT_EQ(IsDlgButtonChecked(m_settings->Handle(), IDC_AUTO_START), BST_CHECKED);
    EXPECT_EQ(m_settings->Click(IDC_AUTO_START), "");
    EXPECT_EQ(AutoStartValue(), "<none>");
    // Unchecking when there is no value changes nothing and tells nothing.
    EXPECT_EQ(m_settings->Click(IDC_AUTO_START), "");
    EXPECT_EQ(m_settings->Click(IDC_AUTO_START), "");
    EXPECT_EQ(AutoStartValue(), "<none>");
}

TEST_F(SettingsTest, EnterKeepsTheWindowOpenAndEscapeClosesIt) {
    Open();
    RECT box{};
    GetWindowRect(m_settings->Item(IDC_MESSAGE), &box);
    ClickAt((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    PressKey(VK_RETURN);
    Sleep(500);
    EXPECT_TRUE(m_settings->IsOpen());
    EXPECT_EQ(Rows(), 0);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return !m_settings->IsOpen(); }, 5000));
    EXPECT_TRUE(m_app.IsRunning());
}

TEST_F(SettingsTest, AStoreThatCannotBeWrittenIsToldAndNoRowIsAdded) {
    const std::string store = ReminderSection("12:00", "kept");
    Open(store);
    // Held open without sharing, as another program may hold it: no write gets through, whoever
    // runs the test (the read-only attribute does not stop a process running as root).
    HANDLE lock = CreateFileA(Path("userconfig.ini").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    SetTime(2999, 1, 1, 8, 0);
    m_settings->SetText(IDC_MESSAGE, "not stored");
    std::string told = m_settings->Click(IDC_ADD_REMIND);
    EXPECT_NE(told.find(Path("userconfig.ini")), std::string::npos) << told;
    EXPECT_EQ(Rows(), 1);
    m_settings->SelectRows(IDC_REMINDER_LIST, {0});
    told = m_settings->Click(IDC_DELETE_REMIND);
    EXPECT_NE(told.find(Path("userconfig.ini")), std::string::npos) << told;
    EXPECT_EQ(Rows(), 1) << "the row stays, as the reminder stays in the file";
    CloseHandle(lock);
    EXPECT_EQ(ReadWholeFile(Path("userconfig.ini")), store);

    // Writable again: the next reminder is stored alone, without the one refused before.
    SetTime(2999, 1, 2, 8, 0);
    EXPECT_EQ(m_settings->Click(IDC_ADD_REMIND), "");
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-01-01 08:00", "MESSAGE"), "<none>");
    EXPECT_EQ(ProfileValue(Path("userconfig.ini"), "2999-01-02 08:00", "MESSAGE"), "not stored");
}

TEST_F(SettingsTest, DeleteEventRemovesTheLineAndTheRecordingButNeverAFileOutsideItsFolder) {
    const std::string bait = Path("userconfig.sty");
    Open("", "[EVENTCONFIG]\r\nKeep=C:\\k.exe\r\nWave=C:\\w.sty\r\n..\\userconfig=C:\\x.exe\r\n");
    WriteWholeFile(Path("StudyEvent\\Wave.sty"), "recording");
    WriteWholeFile(bait, "not a recording");
    const std::string events = Path("eventconfig.ini");
    EXPECT_EQ(m_settings->Click(IDC_DELETE_EVENT), "") << "nothing selected";
    EXPECT_EQ(m_settings->ListEntries(IDC_EVENT_LIST).size(), 3u);

    m_settings->SelectEntry(IDC_EVENT_LIST, 1);
    EXPECT_EQ(m_settings->Click(IDC_DELETE_EVENT), "");
    EXPECT_EQ(m_settings->ListEntries(IDC_EVENT_LIST),
              (std::vector<std::string>{"Keep", "..\\userconfig"}));
    EXPECT_EQ(ProfileValue(events, "EVENTCONFIG", "Wave"), "<none>");
    EXPECT_EQ(GetFileAttributesA(Path("StudyEvent\\Wave.sty").c_str()), INVALID_FILE_ATTRIBUTES);

    m_settings->SelectEntry(IDC_EVENT_LIST, 1);
    EXPECT_EQ(m_settings->Click(IDC_DELETE_EVENT), "");
    EXPECT_EQ(ProfileValue(events, "EVENTCONFIG", "..\\userconfig"), "<none>");
    EXPECT_EQ(ReadWholeFile(bait), "not a recording");
    EXPECT_EQ(ProfileValue(events, "EVENTCONFIG", "Keep"), "C:\\k.exe");
}

TEST_F(SettingsTest, AddProgramEventAsksForANameAndAProgramThenListsAndStoresIt) {
    Open("", "[EVENTCONFIG]\r\nKeep=C:\\k.exe\r\n");
    m_settings->Click(IDC_ADD_PROGRAM_EVENT, true);
    HWND dialog = WaitForDialogOf(m_app, "Add Program Event");
    ASSERT_NE(dialog, nullptr);
    DialogDriver program(m_app, dialog);
    EXPECT_EQ(program.Text(IDC_PROGRAM_PATH), "") << "not the template's placeholder";
    EXPECT_EQ(program.Click(IDOK), "Please Input Program Event Name add open a program");
    program.SetText(IDC_EVENT_NAME, "Notes");
    EXPECT_EQ(program.Click(IDOK), "Please Input Program Event Name add open a program");

    // "Open": the system's open-file dialog; a typed name is taken as it is.
    const std::string chosen = m_app.Directory() + "notes.exe";
    ChooseProgram(program, chosen);
    EXPECT_EQ(program.Text(IDC_EVENT_NAME), "Notes") << "the typed name survives";

    program.Click(IDOK, true);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    ASSERT_TRUE(WaitFor([&] { return m_settings->ListEntries(IDC_EVENT_LIST).size() == 2; }, 3000));
    EXPECT_EQ(m_settings->ListEntries(IDC_EVENT_LIST).back(), "Notes");
    EXPECT_EQ(ProfileValue(Path("eventconfig.ini"), "EVENTCONFIG", "Notes"), chosen);
}

TEST_F(SettingsTest, AddProgramEventRefusesNamesTheRegistryCannotHoldAndARecordingsName) {
    const std::string events = "[EVENTCONFIG]\r\nWalk=" + Path("StudyEvent\\Walk.sty") +
                               "\r\nBackup=C:\\old\\backup.exe\r\n";
    WriteWholeFile(Path("StudyEvent\\Walk.sty"), "a recording");
    Open("", events);
    m_settings->Click(IDC_ADD_PROGRAM_EVENT, true);
    HWND dialog = WaitForDialogOf(m_app, "Add Program Event");
    ASSERT_NE(dialog, nullptr);
    DialogDriver program(m_app, dialog);
    const std::string chosen = m_app.Directory() + "tool.exe";
    ChooseProgram(program, chosen);
    for (const char* name : {"a=b", "[x", ";x", " lead", "trail ", "CON", "nul.txt", "COM1", "a\\b",
                             "what?", "walk", "Walk"}) {
        program.SetText(IDC_EVENT_NAME, name);
        EXPECT_EQ(program.Click(IDOK), "Name Clash Please Over Again Input Name") << name;
        EXPECT_TRUE(IsWindow(dialog)) << name;
    }
    EXPECT_EQ(ReadWholeFile(Path("eventconfig.ini")), events) << "byte for byte";
    EXPECT_EQ(ReadWholeFile(Path("StudyEvent\\Walk.sty")), "a recording");
    // A program event added anew under its own name (in any letter case) takes the new program.
    program.SetText(IDC_EVENT_NAME, "backup");
    program.Click(IDOK, true);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5000));
    EXPECT_EQ(ProfileValue(Path("eventconfig.ini"), "EVENTCONFIG", "Backup"), chosen);
    EXPECT_EQ(ProfileValue(Path("eventconfig.ini"), "EVENTCONFIG", "Walk"),
              Path("StudyEvent\\Walk.sty"));
}

TEST_F(SettingsTest, DoNowFiresTheMessageAndClosesTheWindow) {
    Open();
    EXPECT_EQ(m_settings->Click(IDC_DO_NOW), "Please Input Message or Select Event");
    EXPECT_TRUE(m_settings->IsOpen());
    m_settings->SetText(IDC_MESSAGE, "Right now");
    m_settings->Click(IDC_DO_NOW);
    EXPECT_TRUE(WaitFor([&] { return !m_settings->IsOpen(); }, 5000));
    HWND popup = nullptr;
    EXPECT_TRUE(WaitFor(
        [&] { return (popup = FindWindowA("WhiskertimeReminderPopup", nullptr)) != nullptr; },
        5000));
}

}  // namespace

namespace {

// The window's controls in tab order, each at its place in dialog units.
TEST_F(SettingsTest, HoldsEveryControlAtItsPlaceInTabOrder) {
    Open();
    struct Control {
        int id;
        int x, y, width, height;
    };
    const Control expected[] = {
        {IDC_MESSAGE, 13, 183, 226, 14},
        {IDC_EVENT_LIST, 13, 201, 143, 66},
        {IDC_ADD_PROGRAM_EVENT, 161, 201, 78, 15},
        {IDC_ADD_STUDY_EVENT, 161, 218, 78, 15},
        {IDC_DELETE_EVENT, 161, 235, 78, 15},
        {IDC_DO_NOW, 161, 252, 78, 15},
        {IDC_YEAR, 254, 210, 22, 14},
        {IDC_MONTH, 287, 210, 13, 14},
        {IDC_DAY, 312, 210, 13, 14},
        {IDC_HOUR, 333, 210, 13, 14},
        {IDC_MINUTE, 358, 210, 13, 14},
        {IDC_EVERY_DAY, 384, 211, 48, 11},
        {IDC_AUTO_START, 376, 182, 55, 11},
        {IDC_ADD_REMIND, 250, 236, 63, 16},
        {IDC_DELETE_REMIND, 315, 236, 63, 16},
        {IDC_DELETE_BEFORE_REMIND, 250, 256, 129, 16},
        {IDC_STATIC, 304, 213, 8, 8},
        {IDC_STATIC, 350, 212, 8, 11},
        {IDC_STATIC, 7, 171, 238, 101},
        {IDC_STATIC, 7, 7, 434, 163},
        {IDC_CURRENT_TIME, 255, 183, 91, 9},
        {IDC_LIST_PLACE, 13, 18, 422, 146},
        {IDC_STATIC, 250, 198, 191, 33},
        {IDC_STATIC, 250, 171, 105, 25},
        {IDC_STATIC, 278, 213, 8, 8},
        {IDC_LEGEND_EVERY_DAY, 386, 236, 55, 8},
        {IDC_LEGEND_PENDING, 386, 250, 55, 8},
        {IDC_LEGEND_REMINDED, 386, 264, 55, 8},
        {IDC_STATIC, 359, 171, 82, 25},
    };
    HWND dialog = m_settings->Handle();
    // Dialog units to pixels, from the placeholder's own rectangle (13, 18, 422, 146).
    RECT place{};
    GetWindowRect(m_settings->Item(IDC_LIST_PLACE), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    const double sx = (place.right - place.left) / 422.0;
    const double sy = (place.bottom - place.top) / 146.0;
    const double ox = place.left - 13 * sx;
    const double oy = place.top - 18 * sy;

    std::vector<HWND> children;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(c) != IDC_REMINDER_LIST) {  // made at opening, not in the template
            children.push_back(c);
        }
    }
    ASSERT_EQ(children.size(), std::size(expected));
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Control& e = expected[i];
        EXPECT_EQ(GetDlgCtrlID(children[i]), e.id) << "control " << i;
        RECT r{};
        GetWindowRect(children[i], &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_NEAR(r.left, ox + e.x * sx, 1.5) << "control " << i;
        EXPECT_NEAR(r.top, oy + e.y * sy, 1.5) << "control " << i;
        EXPECT_NEAR(r.right - r.left, e.width * sx, 1.5) << "control " << i;
        EXPECT_NEAR(r.bottom - r.top, e.height * sy, 1.5) << "control " << i;
    }
    // The reminder list lies where the placeholder was.
    RECT list{};
    GetWindowRect(m_settings->Item(IDC_REMINDER_LIST), &list);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(list.left, place.left);
    EXPECT_EQ(list.top, place.top);
    EXPECT_EQ(list.right, place.right);
    EXPECT_EQ(list.bottom, place.bottom);
}

}  // namespace

namespace {

COLORREF ClientPixel(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return CaptureScreen(RECT{at.x, at.y, at.x + 1, at.y + 1}).At(0, 0);
}

}  // namespace

// The program dresses its dialogs in the "mouse.skin" it ships with, and keeps the platform's
// look when the file is gone.
TEST(SettingsLook, TheShippedSkinDressesTheSettingsAndWithoutItThePlatformLookStays) {
    for (bool skinned : {true, false}) {
        SCOPED_TRACE(skinned ? "with mouse.skin" : "without mouse.skin");
        AppInstance app;
        const std::string skinFile = app.Directory() + "mouse.skin";
        auto skin = ReadSkin(ReadWholeFile(skinFile));
        ASSERT_TRUE(skin && skin->colours.contains("dialog")) << "the installation ships a skin";
        if (!skinned) {
            ASSERT_TRUE(DeleteFileA(skinFile.c_str()));
        }
        ASSERT_TRUE(app.Start());
        app.PostCommand(ID_MENU_CONFIG);
        HWND dialog = WaitForDialogOf(app, "Config");
        ASSERT_NE(dialog, nullptr);
        HWND legend = GetDlgItem(dialog, IDC_LEGEND_REMINDED);
        RECT box{};
        GetClientRect(legend, &box);

        const COLORREF face = skinned ? skin->colours.at("dialog") : GetSysColor(COLOR_3DFACE);
        // The legend sits on the rows' white with a skin, on the face without.
        const COLORREF legendBackground = skinned ? GetSysColor(COLOR_WINDOW) : face;
        EXPECT_TRUE(WaitFor([&] { return ClientPixel(dialog, 2, 2) == face; }, 3000))
            << std::hex << ClientPixel(dialog, 2, 2) << " instead of " << face;
        EXPECT_TRUE(WaitFor(
            [&] { return ClientPixel(legend, box.right - 1, box.bottom - 1) == legendBackground; },
            3000))
            << std::hex << ClientPixel(legend, box.right - 1, box.bottom - 1);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(app.Exit(), 0);
    }
}
