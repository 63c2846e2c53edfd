// The alarm through the character window's own code: the popup's place, size and fade, the
// mouth, and the artwork after the stop; and no GDI growth over many alarms and popups.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "character/character_animation.h"
#include "character/character_window.h"
#include "character/reminder_popup.h"
#include "character/reminder_popup_recipe.h"
#include "character_probe.h"
#include "resources/resource.h"
#include "screen_capture.h"
#include "ui/gdi.h"

namespace {

constexpr UINT kStart = WM_APP + 2;
constexpr char kPopupClass[] = "WhiskertimeReminderPopup";

// Starts one alarm when its modal loop runs; exits when asked.
class AlarmProbe : public CharacterWindow {
public:
    AlarmProbe() : CharacterWindow(nullptr) {}
    std::atomic<HWND> window{nullptr};

protected:
    BOOL OnInitDialog() override {
        BOOL result = CharacterWindow::OnInitDialog();
        window = Handle();
        PostMessageA(Handle(), kStart, 0, 0);
        return result;
    }
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kStart) {
            StartAlarm(kReminderAlarmCount, "Time to stretch & breathe");
            return TRUE;
        }
        return CharacterWindow::HandleMessage(message, wParam, lParam);
    }
};

struct Sample {
    DWORD ms;
    bool popup;
    RECT rect;
    BYTE alpha;
    Pixels mouth;
    Pixels eyes;
};

Pixels Crop(const Pixels& p, const Rect& r) {
    return p.Crop(r.left, r.top, std::min(r.Width(), p.width), std::min(r.Height(), p.height));
}

TEST(Alarm, MouthMovesPopupFadesInStaysFadesOutArtworkComesBackAndTheEyesKeepBlinking) {
    MouthToggle = true;
    AlarmProbe probe;
    std::vector<Sample> samples;
    Pixels afterStop;
    std::thread watcher([&] {
        while (probe.window == nullptr) {
            Sleep(10);
        }
        HWND character = probe.window;
        DWORD start = GetTickCount();
        bool seenPopup = false;
        for (;;) {
            DWORD ms = GetTickCount() - start;
            Sample s{ms, false, {}, 0, {}, {}};
            HWND popup = FindWindowA(kPopupClass, nullptr);
            // A popup counts once it shows: it is created hidden and empty, then placed.
            if (popup != nullptr && !IsWindowVisible(popup)) {
                popup = seenPopup ? popup : nullptr;
            }
            if (popup != nullptr) {
                seenPopup = s.popup = true;
                GetWindowRect(popup, &s.rect);
                GetLayeredWindowAttributes(popup, nullptr, &s.alpha, nullptr);
            }
            RECT window{};
            GetWindowRect(character, &window);
            RECT mouth{window.left + kMouthArea.left, window.top + kMouthArea.top,
                       window.left + kMouthArea.right, window.top + kMouthArea.bottom};
            s.mouth = CaptureScreen(mouth);
            RECT eyes{window.left + kEyesArea.left, window.top + kEyesArea.top,
                      window.left + kEyesArea.left + 78, window.top + kEyesArea.bottom};
            s.eyes = CaptureScreen(eyes);
            samples.push_back(s);
            if ((seenPopup && popup == nullptr) || ms > 20000) {
                break;
            }
            Sleep(25);
        }
        RECT window{};
        GetWindowRect(character, &window);
        afterStop = CaptureScreen(window);
        PostMessageA(character, WM_COMMAND, ID_MENU_EXIT, 0);
    });
    probe.DoModal();
    watcher.join();

    // The popup: 400 x 46 in the bottom-right corner of the work area.
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    int shown = 0;
    BYTE highest = 0;
    DWORD lastSeen = 0;
    for (const Sample& s : samples) {
        if (!s.popup) {
            continue;
        }
        lastSeen = s.ms;
        highest = std::max(highest, s.alpha);
        EXPECT_EQ(s.rect.left, workArea.right - 400);
        EXPECT_EQ(s.rect.top, workArea.bottom - 46);
        EXPECT_EQ(s.rect.right, workArea.right);
        EXPECT_EQ(s.rect.bottom, workArea.bottom);
        shown += s.alpha == 232;
    }
    EXPECT_EQ(highest, 232);
    EXPECT_GT(shown, 10) << "it stays at 232 for a while";
    // About 9 s in all; generous bounds for a slow machine.
    EXPECT_GT(lastSeen, 6000u);
    EXPECT_LT(lastSeen, 20000u);
    // Rising, then level, then falling: the alpha changes direction once.
    int turns = 0;
    int direction = 0;
    BYTE previous = 0;
    for (const Sample& s : samples) {
        if (!s.popup || s.alpha == previous) {
            continue;
        }
        int now = s.alpha > previous ? 1 : -1;
        turns += direction != 0 && now != direction;
        direction = now;
        previous = s.alpha;
    }
    EXPECT_EQ(turns, 1);

    // The mouth alternates while the alarm runs and ends shut, as the artwork has it.
    Pixels open = Crop(LoadBitmapPixels(nullptr, IDB_MOUTH_OPEN), {0, 0, 57, 57});
    Pixels shut = Crop(LoadBitmapPixels(nullptr, IDB_MOUTH_CLOSED), {0, 0, 57, 57});
    int opens = 0;
    int shuts = 0;
    for (const Sample& s : samples) {
        if (s.ms < 5500) {
            opens += s.mouth == open;
            shuts += s.mouth == shut;
        }
    }
    EXPECT_GT(opens, 0);
    EXPECT_GT(shuts, 0);
    Pixels artwork = LoadBitmapPixels(nullptr, IDB_CHARACTER);
    EXPECT_EQ(Crop(afterStop, kMouthArea), Crop(artwork, kMouthArea));

    // The blink goes on through the alarm: eyes shut for 100 ms every 2 s, open otherwise.
    Pixels eyesShut = Crop(LoadBitmapPixels(nullptr, IDB_EYES_CLOSED), {0, 0, 78, 35});
    Pixels eyesOpen =
        Crop(artwork, {kEyesArea.left, kEyesArea.top, kEyesArea.left + 78, kEyesArea.bottom});
    int shutSeen = 0;
    int openSeen = 0;
    for (const Sample& s : samples) {
        shutSeen += s.eyes == eyesShut;
        openSeen += s.eyes == eyesOpen;
    }
    EXPECT_GT(shutSeen, 0);
    EXPECT_GT(openSeen, 5 * shutSeen);
    // The band repainted at the stop shows the artwork wherever it is not see-through.
    Pixels band = Crop(afterStop, {0, 161, 225, 191});
    Pixels expected = Crop(artwork, {0, 161, 225, 191});
    int differing = 0;
    for (std::size_t i = 0; i < band.colours.size(); ++i) {
        differing +=
            expected.colours[i] != artwork.At(0, 0) && band.colours[i] != expected.colours[i];
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace

namespace {

// Runs whole alarm sequences and popup lives by sending their timer ticks itself.
class ManyAlarms : public CharacterProbe {
public:
    long baseline = -1;
    std::vector<long> afterEach;
    int popupsClosed = 0;

protected:
    void Run() override {
        HWND self = Handle();
        baseline = gdi::LiveCount();
        for (int alarm = 0; alarm < 100; ++alarm) {
            StartAlarm(kReminderAlarmCount, "Alarm & popup number " + std::to_string(alarm));
            HWND popup = CurrentPopup != nullptr ? CurrentPopup->Handle() : nullptr;
            for (int step = 0; step < 14; ++step) {
                SendMessageA(self, WM_TIMER, ID_TIMER_ALARM_ANIMATION, 0);
            }
            SendMessageA(self, WM_TIMER, ID_TIMER_SQUEAK, 0);
            SendMessageA(self, WM_TIMER, ID_TIMER_ALARM_STOP, 0);
            if (alarm % 10 == 0) {
                // The popup's whole life: fade in, shown period, fade out.
                for (int tick = 0; tick < 400 && IsWindow(popup); ++tick) {
                    SendMessageA(popup, WM_TIMER, 296, 0);
                }
                SendMessageA(popup, WM_TIMER, 304, 0);
                for (int tick = 0; tick < 400 && IsWindow(popup); ++tick) {
                    SendMessageA(popup, WM_TIMER, 297, 0);
                }
            } else {
                // A few steps of fade-in, hovered, then closed with its close button.
                for (int tick = 0; tick < 20; ++tick) {
                    SendMessageA(popup, WM_TIMER, 296, 0);
                }
                const LPARAM closeButton = MAKELPARAM(388, 18);
                SendMessageA(popup, WM_MOUSEMOVE, 0, closeButton);
                SendMessageA(popup, WM_LBUTTONDOWN, MK_LBUTTON, closeButton);
                SendMessageA(popup, WM_LBUTTONUP, 0, closeButton);
            }
            popupsClosed += popup != nullptr && !IsWindow(popup);
            afterEach.push_back(gdi::LiveCount());
        }
    }
};

TEST(Alarm, AHundredAlarmsAndPopupsLeaveNoGdiObjectBehind) {
    long before = gdi::LiveCount();
    {
        ManyAlarms probe;
        probe.DoModal();
        EXPECT_EQ(probe.popupsClosed, 100) << "each popup ran its course and went";
        ASSERT_EQ(probe.afterEach.size(), 100u);
        for (long live : probe.afterEach) {
            EXPECT_EQ(live, probe.baseline);
        }
    }
    EXPECT_EQ(gdi::LiveCount(), before);
}

}  // namespace

namespace {

// A popup deleted by its owner while its window is open (one never handed its own life): the
// window goes with it, and its destruction does not come back to delete the popup again.
TEST(ReminderPopup, DeletedWhileOpenTakesItsWindowAlongWithoutASecondDelete) {
    int released = 0;
    std::unique_ptr<ReminderPopup> popup = MakeReminderPopup("Deleted while open");
    popup->SetOnReleased([&](ReminderPopup*) { ++released; });
    ASSERT_TRUE(popup->Open(nullptr));
    HWND window = popup->Handle();
    ASSERT_TRUE(IsWindow(window));
    popup.reset();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(released, 0) << "the window's end reached the deleted popup";
}

}  // namespace
