// FireReminder through the character window's own code: where the character goes, what is
// started and whether the alarm's popup opens, for each kind of message and event; and two
// recordings fired back to back, each replayed as stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "character/character_window.h"
#include "character/reminder_popup.h"
#include "character_probe.h"
#include "common/mouse_record.h"
#include "events/event_registry.h"
#include "mouse_observer.h"
#include "paths/app_paths.h"
#include "resources/resource.h"
#include "temp_directory.h"
#include "tests/case_name.h"

namespace {

struct FireCase {
    const char* what;
    bool hidden;
    std::string message;
    std::string event;  // the name fired: "program", "capitals", "missing" or ""
    bool programStarts;
    bool popupOpens;
};

void PrintTo(const FireCase& c, std::ostream* os) {
    *os << c.what;
}

// Fires once from inside its own modal loop and notes what it sees.
class FireProbe : public CharacterProbe {
public:
    FireProbe(const std::string& directory, FireCase fireCase) : m_case(std::move(fireCase)) {
        SetAppPaths(directory);  // the test's own event registry and reminder store
    }

    bool visibleAfter = false;
    RECT rectAfter{};
    bool popupOpened = false;
    bool popupReleased = false;
    HWND popupLeftOpen = nullptr;
    bool ReleasedEveryPopup() const { return CurrentPopup == nullptr; }

protected:
    void Run() override {
        // Away from its place first, so the placement shows.
        SetWindowPos(Handle(), nullptr, 100, 100, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | (m_case.hidden ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
        FireReminder(m_case.message, m_case.event);
        visibleAfter = IsWindowVisible(Handle());
        GetWindowRect(Handle(), &rectAfter);
        popupOpened = CurrentPopup != nullptr && IsWindow(CurrentPopup->Handle());
        if (popupOpened && m_case.hidden) {
            popupLeftOpen = CurrentPopup->Handle();  // the exit takes it along
        } else if (popupOpened) {
            // Closed from outside its own handlers: it goes at once.
            CurrentPopup->Close();
            popupReleased = CurrentPopup == nullptr;
        }
    }

private:
    FireCase m_case;
};

class FireReminderTest : public testing::TestWithParam<FireCase> {
protected:
    void SetUp() override {
        m_started = m_directory.Path() + "started.txt";
        SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", m_started.c_str());
        SetAppPaths(m_directory.Path());
        const std::string program = WindowsPath(RECORD_OPEN_EXE);
        EventRegistry::StoreEvent("program", program);
        std::string capitals = program.substr(0, program.size() - 4) + ".EXE";
        EventRegistry::StoreEvent("capitals", capitals);
    }
    void TearDown() override { SetEnvironmentVariableA("WHISKERTIME_RECORD_OPEN", nullptr); }

    TempDirectory m_directory;
    std::string m_started;
};

TEST_P(FireReminderTest, PlacesAVisibleCharacterRunsTheEventThenRaisesTheAlarmForAMessage) {
    const FireCase& c = GetParam();
    FireProbe probe(m_directory.Path(), c);
    probe.DoModal();

    EXPECT_EQ(probe.visibleAfter, !c.hidden) << "a hidden character stays hidden";
    if (!c.hidden) {
        // At the taskbar's corner of the test desktop: 1024 x 768 with a 20-pixel taskbar.
        EXPECT_EQ(probe.rectAfter.left, 799);
        EXPECT_EQ(probe.rectAfter.top, 443);
    }
    EXPECT_EQ(probe.popupOpened, c.popupOpens);
    if (c.popupOpens && !c.hidden) {
        EXPECT_TRUE(probe.popupReleased) << "closed from outside, the popup is released at once";
    }
    if (probe.popupLeftOpen != nullptr) {
        EXPECT_FALSE(IsWindow(probe.popupLeftOpen)) << "an open popup ends with the program";
    }
    EXPECT_TRUE(probe.ReleasedEveryPopup());
    if (c.programStarts) {
        DWORD start = GetTickCount();
        while (!FileExists(m_started) && GetTickCount() - start < 10000) {
            Sleep(50);
        }
        EXPECT_TRUE(FileExists(m_started)) << "the program was not started";
    } else {
        Sleep(1500);  // long enough for a program that was started to have written its file
        EXPECT_FALSE(FileExists(m_started)) << "a program was started";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fires, FireReminderTest,
    testing::Values(
        FireCase{"message only", false, "Stretch & breathe", "", false, true},
        FireCase{"program with no message", false, "", "program", true, false},
        FireCase{"message and program", false, "Backup time", "program", true, true},
        FireCase{"program path in capitals", false, "Still told", "capitals", false, true},
        FireCase{"event not in the registry", false, "Still told", "missing", false, true},
        FireCase{"hidden character", true, "Told while hidden", "program", true, true},
        FireCase{"nothing at all", false, "", "", false, false}),
    CaseName());

// Fires two study events one right after the other, then exits at once: the replays go on.
class TwoStudiesProbe : public CharacterProbe {
public:
    explicit TwoStudiesProbe(const std::string& directory) { SetAppPaths(directory); }
    std::vector<std::string> pathsStored;

protected:
    void Run() override {
        FireReminder("", "left click");
        pathsStored.push_back(PlaybackPath);
        FireReminder("", "right click");
        pathsStored.push_back(PlaybackPath);
    }
};

TEST(FireReminder, TwoStudyEventsFiredBackToBackEachReplayTheirOwnRecording) {
    TempDirectory directory;
    SetAppPaths(directory.Path());
    const std::string left = directory.Path() + "left.sty";
    const std::string right = directory.Path() + "right.sty";
    WriteWholeFile(left, EncodeRecording({MakeMouseRecord(kLeftButtonDown, 150, 160, 0),
                                          MakeMouseRecord(kLeftButtonUp, 150, 160, 50)}));
    WriteWholeFile(right, EncodeRecording({MakeMouseRecord(kRightButtonDown, 250, 260, 0),
                                           MakeMouseRecord(kRightButtonUp, 250, 260, 50)}));
    EventRegistry::StoreEvent("left click", left);
    EventRegistry::StoreEvent("right click", right);

    MouseObserver observer;  // keeps the clicks from the desktop
    TwoStudiesProbe probe(directory.Path());
    probe.DoModal();
    EXPECT_EQ(probe.pathsStored, (std::vector<std::string>{left, right}));

    ASSERT_TRUE(observer.PumpUntil([&] { return observer.ButtonEvents().size() >= 4; }));
    std::vector<unsigned> seen;
    for (const ObservedEvent& e : observer.ButtonEvents()) {
        seen.push_back(e.message);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen,
              (std::vector<unsigned>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
    observer.PumpUntil([] { return false; }, 0.3);  // nothing more comes
    EXPECT_EQ(observer.ButtonEvents().size(), 4u);
}

}  // namespace
