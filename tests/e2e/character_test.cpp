// The character on the desktop, seen from outside: its window, its shape and its clock.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "app_instance.h"
#include "character/clock_face.h"
#include "resources/resource.h"
#include "screen_capture.h"
#include "user_input.h"

namespace {

class CharacterTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_app.Start()); }
    // The pointer goes back to the corner where the tests that replay input expect it, while
    // this program is still there to carry the move to the X pointer.
    void TearDown() override { MoveMouseTo(20, 20); }

    RECT WindowRect() const {
        RECT r{};
        GetWindowRect(m_app.CharacterWindow(), &r);
        return r;
    }
    std::string Program() const { return m_app.Directory() + "Whiskertime.exe"; }

    AppInstance m_app;
};

TEST_F(CharacterTest, IsALayeredToolWindowTheSizeOfItsArtworkKeyedOnItsTopLeftPixel) {
    RECT r = WindowRect();
    EXPECT_EQ(r.right - r.left, 225);
    EXPECT_EQ(r.bottom - r.top, 305);
    HWND window = m_app.CharacterWindow();
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    ASSERT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);

    Pixels artwork = LoadBitmapPixels(Program(), IDB_CHARACTER);
    ASSERT_EQ(artwork.width, 225);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(key, artwork.At(0, 0));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST_F(CharacterTest, KeyColouredPixelsShowTheDesktopAndTheRestShowsTheArtwork) {
    Pixels artwork = LoadBitmapPixels(Program(), IDB_CHARACTER);
    RECT r = WindowRect();
    Pixels screen = CaptureScreen(r);
    COLORREF key = artwork.At(0, 0);
    int keyed = 0;
    int shown = 0;
    int wrong = 0;
    // The band above the clock holds no digits, eyes or mouth: everything there is still artwork.
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 225; ++x) {
            if (artwork.At(x, y) == key) {
                ++keyed;
                wrong += screen.At(x, y) == key;
            } else {
                ++shown;
                wrong += screen.At(x, y) != artwork.At(x, y);
            }
        }
    }
    ASSERT_GT(keyed, 0);
    ASSERT_GT(shown, 0);
    if (wrong != 0) {
        SaveBitmap(screen, m_app.Directory() + "..\\character-seen.bmp");
    }
    EXPECT_EQ(wrong, 0);
}

// The digit each clock cell of the window's picture shows, -1 for a cell that shows none (the
// artwork's own clock face).
std::array<int, 6> ShownDigits(const Pixels& window, const std::array<Pixels, 10>& digits) {
    std::array<int, 6> shown{};
    for (std::size_t cell = 0; cell < kDigitCells.size(); ++cell) {
        const Rect& c = kDigitCells[cell];
        Pixels seen = window.Crop(c.left, c.top, c.Width(), c.Height());
        shown[cell] = -1;
        for (int d = 0; d < 10; ++d) {
            if (seen == digits[d]) {
                shown[cell] = d;
            }
        }
    }
    return shown;
}

// Whether the digits are the local time of a second from `before` - 1 to `after`: the face may
// lag the clock by one tick.
bool ShowsTimeBetween(const std::array<int, 6>& shown, std::time_t before, std::time_t after) {
    bool matches = false;
    for (std::time_t t = before - 1; t <= after; ++t) {
        const std::tm* local = std::localtime(&t);
        matches |= ClockDigits(local->tm_hour, local->tm_min, local->tm_sec) == shown;
    }
    return matches;
}

std::string Text(const std::array<int, 6>& shown) {
    std::string text;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        text += (i == 2 || i == 4 ? ":" : "") + std::to_string(shown[i]);
    }
    return text;
}

TEST_F(CharacterTest, TheClockShowsTheLocalTime) {
    std::array<Pixels, 10> digits;
    for (int d = 0; d < 10; ++d) {
        digits[d] = LoadBitmapPixels(Program(), IDB_DIGIT_0 + d);
        ASSERT_EQ(digits[d].width, 16);
    }
    Sleep(300);  // a few clock ticks
    std::time_t before = std::time(nullptr);
    std::array<int, 6> shown = ShownDigits(CaptureScreen(WindowRect()), digits);
    std::time_t after = std::time(nullptr);
    EXPECT_TRUE(ShowsTimeBetween(shown, before, after)) << Text(shown);
}

// A paint puts the artwork's own clock face back; the next tick, at most 100 ms later, must draw
// every digit again, also those that did not change since the tick before the paint.
TEST_F(CharacterTest, AfterAPaintTheNextTickShowsTheWholeTimeAgain) {
    std::array<Pixels, 10> digits;
    for (int d = 0; d < 10; ++d) {
        digits[d] = LoadBitmapPixels(Program(), IDB_DIGIT_0 + d);
    }
    HWND window = m_app.CharacterWindow();
    for (int round = 0; round < 5; ++round) {
        Sleep(300);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        std::time_t painted = std::time(nullptr);
        Sleep(250);  // one tick and the time to show it, with room to spare
        std::array<int, 6> shown = ShownDigits(CaptureScreen(WindowRect()), digits);
        std::time_t after = std::time(nullptr);
        EXPECT_TRUE(ShowsTimeBetween(shown, painted, after))
            << "round " << round << ": " << Text(shown) << " (-1: the artwork's own face)";
    }
}

TEST_F(CharacterTest, DragsFromTheBodyAndTreatsTheHeadAsClientArea) {
    RECT r = WindowRect();
    HWND window = m_app.CharacterWindow();
    auto hitTest = [&](int x, int y) {
        return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    };
    struct Case {
        int x, y;
        LRESULT expected;
    } cases[] = {
        {75, 70, HTCLIENT},     // the face
        {0, 0, HTCLIENT},       // the head's corner
        {150, 144, HTCLIENT},   // its last pixel
        {151, 70, HTCAPTION},   // just right of the head
        {75, 145, HTCAPTION},   // just below it
        {88, 226, HTCAPTION},   // the clock
        {200, 290, HTCAPTION},  // the tail end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hitTest(c.x, c.y), c.expected) << c.x << ", " << c.y;
    }
}

}  // namespace

namespace {

TEST_F(CharacterTest, PressingOnTheClockAndMovingDragsTheWholeCharacter) {
    RECT start = WindowRect();
    MoveMouseTo(start.left + 88, start.top + 226);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 5; ++step) {
        MoveMouseTo(start.left + 88 - 12 * step, start.top + 226 + 8 * step);
    }
    MouseButton(MOUSEEVENTF_LEFTUP);
    RECT end{};
    ASSERT_TRUE(WaitFor(
        [&] {
            end = WindowRect();
            return end.left != start.left;
        },
        3000));
    EXPECT_EQ(end.left - start.left, -60);
    EXPECT_EQ(end.top - start.top, 40);
    EXPECT_EQ(end.right - end.left, 225) << "moved, not resized";
}

}  // namespace
