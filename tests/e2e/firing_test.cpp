// Reminders firing on their own, with the real clock: three programs whose stores hold reminders
// for the same coming minute, watched together through that one minute.
//   "added":  a one-time reminder with a message, added through its settings window, which
//             stays open through the minute.
//   "told":   a one-time reminder with a message; its character is showing.
//   "hidden": a one-time reminder with a message; its character was hidden.
//   "events": an every-day reminder with a program event and a one-time reminder with a study
//             event whose recording is cut after a button's down; neither has a message.
//   "closed": started and ended before the minute, its reminder for the minute written then
//             (with a message and a program event); started again once the minute is over, it
//             tells of the reminder as missed and runs no event, and a third start tells nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app_instance.h"
#include "common/mouse_record.h"
#include "dialog_driver.h"
#include "mouse_observer.h"
#include "resources/resource.h"
#include "screen_capture.h"
#include "user_input.h"

namespace {

constexpr char kPopupClass[] = "WhiskertimeReminderPopup";

std::tm LocalTime(std::time_t t) {
    std::tm local{};
    if (const std::tm* l = std::localtime(&t)) {
        local = *l;
    }
    return local;
}

std::string Format(const char* format, const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, format, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min);
    return text;
}

// "2026-12-10 15:07" and "15:07", as the settings window writes them.
std::string OneTime(const std::tm& t) {
    return Format("%d-%02d-%02d %02d:%02d", t);
}
std::string EveryDay(const std::tm& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", t.tm_hour, t.tm_min);
    return text;
}

struct PopupSeen {
    DWORD processId;
    std::time_t at;
};

BOOL CALLBACK NotePopup(HWND hwnd, LPARAM param) {
    char cls[64] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) == kPopupClass && IsWindowVisible(hwnd)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        auto* seen = reinterpret_cast<std::map<HWND, PopupSeen>*>(param);
        seen->emplace(hwnd, PopupSeen{pid, std::time(nullptr)});
    }
    return TRUE;
}

TEST(Firing, RemindersOfTheComingMinuteFireOnceWithinItsFirstSecondsAndRunTheirEvents) {
    // Far enough from the minute's end that the programs are running before the next begins.
    std::time_t now = std::time(nullptr);
    if (LocalTime(now).tm_sec > 45) {
        Sleep(static_cast<DWORD>(61 - LocalTime(now).tm_sec) * 1000);
        now = std::time(nullptr);
    }
    const std::time_t minuteStart = now - LocalTime(now).tm_sec + 60;
    const std::tm due = LocalTime(minuteStart);

    AppInstance told;
    AppInstance hidden;
    AppInstance events;
    AppInstance added;
    WriteWholeFile(told.Directory() + "userconfig.ini",
                   ReminderSection(OneTime(due), "Stand up & stretch", ""));
    WriteWholeFile(hidden.Directory() + "userconfig.ini",
                   ReminderSection(OneTime(due), "Told while hidden", ""));
    WriteWholeFile(
        events.Directory() + "userconfig.ini",
        ReminderSection(EveryDay(due), "", "program") + ReminderSection(OneTime(due), "", "macro"));
    const std::string recording = events.Directory() + "StudyEvent\\cut.sty";
    WriteWholeFile(recording, EncodeRecording({MakeMouseRecord(kMouseMove, 120, 100, 0),
                                               MakeMouseRecord(kMouseMove, 220, 140, 150),
                                               MakeMouseRecord(kMouseMove, 320, 180, 300),
                                               MakeMouseRecord(kLeftButtonDown, 320, 180, 450)}));
    WriteWholeFile(events.Directory() + "eventconfig.ini",
                   "[EVENTCONFIG]\r\nprogram=" + WindowsPath(RECORD_OPEN_EXE) +
                       "\r\nmacro=" + recording + "\r\n");
    const std::string started = events.Directory() + "started.txt";
    SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", started.c_str());

    // Ended before the minute: it keeps the moment it had looked up to.
    AppInstance closed;
    const std::string closedRecord = closed.Directory() + "scheduler.state";
    ASSERT_TRUE(closed.Start());
    ASSERT_EQ(closed.Exit(), 0);
    ASSERT_TRUE(FileExists(closedRecord));
    WriteWholeFile(closed.Directory() + "userconfig.ini",
                   ReminderSection(OneTime(due), "Told when back", "program"));
    WriteWholeFile(closed.Directory() + "eventconfig.ini",
                   "[EVENTCONFIG]\r\nprogram=" + WindowsPath(RECORD_OPEN_EXE) + "\r\n");

    MouseObserver observer;  // the replay's clicks land nowhere
    ASSERT_TRUE(told.Start());
    ASSERT_TRUE(hidden.Start());
    ASSERT_TRUE(events.Start());
    ASSERT_TRUE(added.Start());
    added.PostCommand(ID_MENU_CONFIG);
    HWND config = WaitForDialogOf(added, "Config");
    ASSERT_NE(config, nullptr);
    DialogDriver settings(added, config);
    settings.SetText(IDC_YEAR, std::to_string(due.tm_year + 1900));
    settings.SetText(IDC_MONTH, std::to_string(due.tm_mon + 1));
    settings.SetText(IDC_DAY, std::to_string(due.tm_mday));
    settings.SetText(IDC_HOUR, std::to_string(due.tm_hour));
    settings.SetText(IDC_MINUTE, std::to_string(due.tm_min));
    settings.SetText(IDC_MESSAGE, "Added in the window");
    ASSERT_EQ(settings.Click(IDC_ADD_REMIND), "");
    ASSERT_EQ(settings.RowCount(IDC_REMINDER_LIST), 1);
    hidden.PostCommand(ID_MENU_HIDE_MOUSE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(hidden.CharacterWindow()); }, 5000));
    RECT toldBefore{};
    GetWindowRect(told.CharacterWindow(), &toldBefore);
    ASSERT_NE(toldBefore.left, 799) << "the character starts away from the taskbar corner";
    ASSERT_LT(std::time(nullptr), minuteStart) << "the programs were not running before the minute";

    // Through the minute's first 30 s: a second fire would come by second 20 at the latest.
    std::map<HWND, PopupSeen> popups;
    std::time_t programSeen = 0;
    bool hiddenShown = false;
    std::set<std::pair<LONG, LONG>> cursorSeen;
    DWORD lastLook = 0;
    observer.PumpUntil(
        [&] {
            if (GetTickCount() - lastLook < 40) {
                return false;
            }
            lastLook = GetTickCount();
            EnumWindows(NotePopup, reinterpret_cast<LPARAM>(&popups));
            if (programSeen == 0 && FileExists(started)) {
                programSeen = std::time(nullptr);
            }
            hiddenShown = hiddenShown || IsWindowVisible(hidden.CharacterWindow());
            POINT pt{};
            GetCursorPos(&pt);
            cursorSeen.insert({pt.x, pt.y});
            return std::time(nullptr) >= minuteStart + 30;
        },
        130.0);
    MoveMouseTo(20, 20);

    std::map<DWORD, std::vector<std::time_t>> popupsOf;
    for (const auto& [hwnd, seen] : popups) {
        popupsOf[seen.processId].push_back(seen.at);
    }
    // The one-time reminder: one popup, within the minute's first ~12 s, and the character
    // moved to the taskbar's corner.
    ASSERT_EQ(popupsOf[told.ProcessId()].size(), 1u) << "fires once";
    std::time_t toldAt = popupsOf[told.ProcessId()][0];
    EXPECT_GE(toldAt, minuteStart);
    EXPECT_LE(toldAt, minuteStart + 12);
    RECT toldAfter{};
    GetWindowRect(told.CharacterWindow(), &toldAfter);
    EXPECT_EQ(toldAfter.left, 799);
    EXPECT_EQ(toldAfter.top, 443);
    // Added in the window: it fired in its minute while the window stayed open, and its row
    // turned red there.
    ASSERT_EQ(popupsOf[added.ProcessId()].size(), 1u);
    EXPECT_LE(popupsOf[added.ProcessId()][0], minuteStart + 12);
    EXPECT_TRUE(settings.IsOpen());
    EXPECT_TRUE(ScreenShows(settings.RowRect(IDC_REMINDER_LIST, 0), RGB(255, 0, 0)));
    // The hidden character stayed hidden, and its popup opened all the same.
    EXPECT_EQ(popupsOf[hidden.ProcessId()].size(), 1u);
    EXPECT_FALSE(hiddenShown);
    // No message: the program started, the recording replayed, and no popup opened.
    EXPECT_TRUE(popupsOf[events.ProcessId()].empty());
    ASSERT_NE(programSeen, 0) << "the program event did not start";
    EXPECT_GE(programSeen, minuteStart);
    for (auto [x, y] : {std::pair{120, 100}, std::pair{220, 140}, std::pair{320, 180}}) {
        EXPECT_TRUE(cursorSeen.count({x, y}))
            << "the replay never showed the cursor at " << x << ", " << y;
    }
    // The recording ends with the left button down; the replay released it.
    std::vector<ObservedEvent> buttons = observer.ButtonEvents();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].message, static_cast<unsigned>(WM_LBUTTONDOWN));
    EXPECT_EQ(buttons[0].pt.x, 320);
    EXPECT_EQ(buttons[0].pt.y, 180);
    EXPECT_EQ(buttons[1].message, static_cast<unsigned>(WM_LBUTTONUP));

    // Back once the minute is over: the reminder is told as missed, and its program not started.
    while (std::time(nullptr) < minuteStart + 61) {
        Sleep(200);
    }
    const std::string closedStarted = closed.Directory() + "started.txt";
    SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", closedStarted.c_str());
    ASSERT_TRUE(closed.Start());
    HWND missed = WaitForDialogOf(closed, "Missed Reminders", 20000);
    ASSERT_NE(missed, nullptr);
    DialogDriver missedWindow(closed, missed);
    ASSERT_EQ(missedWindow.RowCount(IDC_MISSED_LIST), 1);
    EXPECT_EQ(missedWindow.RowText(IDC_MISSED_LIST, 0, 0), OneTime(due));
    EXPECT_EQ(missedWindow.RowText(IDC_MISSED_LIST, 0, 1), "Told when back");
    EXPECT_EQ(missedWindow.RowText(IDC_MISSED_LIST, 0, 2), "program");
    Sleep(1000);  // a program it started would have written its note by now
    EXPECT_FALSE(FileExists(closedStarted)) << "the missed reminder's program was started";
    // Enter closes it, through the character's own modal loop.
    PostMessageA(missedWindow.Item(IDOK), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(missed); }, 5000));
    ASSERT_EQ(closed.Exit(), 0);
    // A third start has nothing to tell: its first walk rewrites the record, and no window opens.
    const std::string record = ReadWholeFile(closedRecord);
    ASSERT_TRUE(closed.Start());
    EXPECT_TRUE(WaitFor([&] { return ReadWholeFile(closedRecord) != record; }, 20000));
    Sleep(500);
    EXPECT_EQ(FindDialogOf(closed.ProcessId(), "Missed Reminders"), nullptr);
    EXPECT_FALSE(FileExists(closedStarted));
    SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", nullptr);
}

}  // namespace
