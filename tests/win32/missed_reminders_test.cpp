// The character telling of missed reminders: one window, beside the character so its mouth is
// seen to open once; what a later walk finds joins the same window, without another squeak; keys
// reach the window although it has no loop of its own.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "character/character_animation.h"
#include "character/character_window.h"
#include "resources/resource.h"
#include "screen_capture.h"
#include "ui/list_controls.h"

namespace {

constexpr UINT kFirst = WM_APP + 2;
constexpr UINT kLater = WM_APP + 3;

class MissedProbe : public CharacterWindow {
public:
    MissedProbe() : CharacterWindow(nullptr) {}
    std::atomic<HWND> window{nullptr};

protected:
    BOOL OnInitDialog() override {
        BOOL result = CharacterWindow::OnInitDialog();
        KillTimer(Handle(), ID_TIMER_SCHEDULE);  // only the walks the test makes up
        ShowMouse();
        window = Handle();
        PostMessageA(Handle(), kFirst, 0, 0);
        return result;
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kFirst) {
            AnnounceMissed(
                {{"2027-01-10 09:00", "Stand-up", "Notes", 100}, {"08:00", "Vitamins", "", 200}});
            return TRUE;
        }
        if (message == kLater) {
            AnnounceMissed({{"08:00", "Vitamins", "", 300}, {"12:30", "Lunch", "", 250}});
            return TRUE;
        }
        return CharacterWindow::HandleMessage(message, wParam, lParam);
    }
};

struct Seen {
    int windows = 0;
    HWND window = nullptr;
};

BOOL CALLBACK CountMissedWindows(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) &&
        std::string(caption) == "Missed Reminders") {
        auto* seen = reinterpret_cast<Seen*>(param);
        ++seen->windows;
        seen->window = hwnd;
    }
    return TRUE;
}

Pixels Crop(const Pixels& p, const Rect& r) {
    return p.Crop(r.left, r.top, r.Width(), r.Height());
}

TEST(MissedReminders, OneWindowBesideTheCharacterOneSqueakAndLaterFindsJoinIt) {
    MouthToggle = true;
    MissedProbe probe;
    struct Sample {
        DWORD ms;
        Pixels mouth;
    };
    std::vector<Sample> samples;
    Seen seen;
    RECT character{};
    RECT missed{};
    std::vector<std::vector<std::string>> rows;
    bool closedByEscape = false;
    std::thread watcher([&] {
        while (probe.window == nullptr) {
            Sleep(10);
        }
        HWND hwnd = probe.window;
        DWORD start = GetTickCount();
        bool later = false;
        for (DWORD ms = 0; ms < 3200; ms = GetTickCount() - start) {
            if (!later && ms > 1000) {
                PostMessageA(hwnd, kLater, 0, 0);
                later = true;
            }
            GetWindowRect(hwnd, &character);
            RECT mouth{character.left + kMouthArea.left, character.top + kMouthArea.top,
                       character.left + kMouthArea.right, character.top + kMouthArea.bottom};
            samples.push_back({ms, CaptureScreen(mouth)});
            Sleep(25);
        }
        EnumWindows(CountMissedWindows, reinterpret_cast<LPARAM>(&seen));
        if (seen.window != nullptr) {
            GetWindowRect(seen.window, &missed);
            ListViewControl list(GetDlgItem(seen.window, IDC_MISSED_LIST));
            for (int row = 0; row < list.RowCount(); ++row) {
                rows.push_back({list.Text(row, 0), list.Text(row, 1), list.Text(row, 2)});
            }
            PostMessageA(GetDlgItem(seen.window, IDC_MISSED_LIST), WM_KEYDOWN, VK_ESCAPE, 0);
            for (int i = 0; i < 100 && IsWindow(seen.window); ++i) {
                Sleep(20);
            }
            closedByEscape = !IsWindow(seen.window);
        }
        PostMessageA(hwnd, WM_COMMAND, ID_MENU_EXIT, 0);
    });
    probe.DoModal();
    watcher.join();

    EXPECT_EQ(seen.windows, 1);
    EXPECT_EQ(rows,
              (std::vector<std::vector<std::string>>{{"2027-01-10 09:00", "Stand-up", "Notes"},
                                                     {"12:30", "Lunch", ""},
                                                     {"08:00", "Vitamins", ""}}));
    // The character stands mid-screen, with no room beside it: the window may cover its feet,
    // never its face.
    RECT face{character.left, character.top, character.right, character.top + kMouthArea.bottom};
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &face, &missed)) << "the window hides the mouse's face";
    EXPECT_TRUE(closedByEscape);

    // The mouth moves once, for one squeak's 2 s; the later find does not start it again.
    Pixels open = LoadBitmapPixels(nullptr, IDB_MOUTH_OPEN).Crop(0, 0, 57, 57);
    Pixels artwork = Crop(LoadBitmapPixels(nullptr, IDB_CHARACTER), kMouthArea);
    int opens = 0;
    int movingLate = 0;
    for (const Sample& s : samples) {
        if (s.ms < 1800) {
            opens += s.mouth == open;
        } else if (s.ms > 2700) {
            movingLate += s.mouth != artwork;
        }
    }
    EXPECT_GT(opens, 0);
    EXPECT_EQ(movingLate, 0);
}

}  // namespace
