// Recordings of known records replayed through the real cursor and button calls: positions
// observed by polling the cursor, buttons through a low-level hook, the pauses checked against
// the recorded schedule with lower bounds only (a slow machine only makes a replay later).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/mouse_record.h"
#include "events/recording_player.h"
#include "mouse_observer.h"
#include "temp_directory.h"
#include "ui/handles.h"
#include "tests/case_name.h"

namespace {

// Sleep may end up to a timer tick before the time asked for, as the performance counter sees it.
constexpr double kSlack = 0.032;

struct Sighting {
    POINT pt;
    double seconds;
};

DWORD WINAPI PlayOnThread(LPVOID path) {
    PlayRecording(*static_cast<const std::string*>(path));
    return 0;
}

class RecordingPlayerTest : public testing::Test {
protected:
    // Starts from a known cursor position. Under Wine, SetCursorPos may leave the X pointer
    // where an earlier test put it, and the next X event then moves the cursor back there; an
    // absolute move through the input queue moves both.
    void SetUp() override { ASSERT_TRUE(PlaceCursor(20, 20)) << "the cursor cannot be placed"; }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::string path = m_directory.Path() + name;
        WriteWholeFile(path, bytes);
        return path;
    }

    // Plays on a worker thread, as a playback runs, and notes every new cursor position seen
    // until it ends. Returns false when it did not end within a generous limit.
    bool Play(const std::string& path) {
        m_start = Now();
        UniqueHandle thread(
            CreateThread(nullptr, 0, PlayOnThread, const_cast<std::string*>(&path), 0, nullptr));
        if (!thread) {
            return false;
        }
        return m_observer.PumpUntil(
            [&] {
                POINT pt;
                GetCursorPos(&pt);
                if (m_sightings.empty() || pt.x != m_sightings.back().pt.x ||
                    pt.y != m_sightings.back().pt.y) {
                    m_sightings.push_back({pt, Now()});
                }
                return WaitForSingleObject(thread.Get(), 0) == WAIT_OBJECT_0;
            },
            30.0);
    }

    // When the cursor was first seen at (x, y), in seconds from the start; -1 when never.
    double FirstSeenAt(LONG x, LONG y) const {
        for (const Sighting& s : m_sightings) {
            if (s.pt.x == x && s.pt.y == y) {
                return s.seconds - m_start;
            }
        }
        return -1;
    }

    TempDirectory m_directory;
    MouseObserver m_observer;
    std::vector<Sighting> m_sightings;
    double m_start = 0;
};

TEST_F(RecordingPlayerTest, ReplaysEachRecordAtItsPositionAfterTheGapThatFollowsIt) {
    // Record j is replayed at time(j+1) - time(0), the last one right after the one before it:
    //   A move at 0.3 s, left down and up at B at 0.5 s (equal times: no pause between them),
    //   right down at C at 0.9 s, right up at D at 1.0 s, and at once the move to E.
    const std::vector<MouseRecord> records = {
        MakeMouseRecord(kMouseMove, 110, 120, 50000),        // A
        MakeMouseRecord(kLeftButtonDown, 210, 130, 50300),   // B
        MakeMouseRecord(kLeftButtonUp, 210, 130, 50500),     // B
        MakeMouseRecord(kRightButtonDown, 310, 220, 50500),  // C
        MakeMouseRecord(kRightButtonUp, 320, 230, 50900),    // D
        MakeMouseRecord(kMouseMove, 410, 330, 51000),        // E
    };
    ASSERT_TRUE(Play(Write("schedule.sty", EncodeRecording(records))));

    std::vector<ObservedEvent> buttons = m_observer.ButtonEvents();
    ASSERT_EQ(buttons.size(), 4u);
    const struct {
        unsigned message;
        LONG x, y;
        double at;
    } expected[] = {{WM_LBUTTONDOWN, 210, 130, 0.5},
                    {WM_LBUTTONUP, 210, 130, 0.5},
                    {WM_RBUTTONDOWN, 310, 220, 0.9},
                    {WM_RBUTTONUP, 320, 230, 1.0}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i].message, expected[i].message) << "button " << i;
        EXPECT_EQ(buttons[i].pt.x, expected[i].x) << "button " << i;
        EXPECT_EQ(buttons[i].pt.y, expected[i].y) << "button " << i;
        EXPECT_GE(buttons[i].seconds - m_start, expected[i].at - kSlack) << "button " << i;
    }
    // The pauses between actions, measured from one to the next.
    double seenA = FirstSeenAt(110, 120);
    ASSERT_GE(seenA, 0) << "the cursor never showed at A";
    EXPECT_GE(seenA, 0.3 - kSlack);
    EXPECT_GE(buttons[0].seconds - m_start - seenA, 0.2 - kSlack);
    EXPECT_GE(buttons[2].seconds - buttons[1].seconds, 0.4 - kSlack);
    EXPECT_GE(buttons[3].seconds - buttons[2].seconds, 0.1 - kSlack);
    // C stood for the 0.1 s before D; the final move came right after D, so E is where it ends.
    EXPECT_GE(FirstSeenAt(310, 220), 0);
    EXPECT_GE(FirstSeenAt(410, 330), 0) << "ends on the last record";
}

TEST_F(RecordingPlayerTest, EachPlaybackKeepsThePathItWasStartedWith) {
    const std::string first =
        Write("first.sty", EncodeRecording({MakeMouseRecord(kLeftButtonDown, 150, 160, 0),
                                            MakeMouseRecord(kLeftButtonUp, 150, 160, 50)}));
    const std::string second =
        Write("second.sty", EncodeRecording({MakeMouseRecord(kRightButtonDown, 250, 260, 0),
                                             MakeMouseRecord(kRightButtonUp, 250, 260, 50)}));
    // One text reused for both, changed right after each start, as a caller may.
    std::string path = first;
    ASSERT_TRUE(StartRecordingPlayback(path));
    path = second;
    ASSERT_TRUE(StartRecordingPlayback(path));
    path = m_directory.Path() + "neither.sty";

    ASSERT_TRUE(m_observer.PumpUntil([&] { return m_observer.ButtonEvents().size() >= 4; }));
    // The two playbacks run at once and may interleave (even moving the cursor under each
    // other's clicks), but each played its own recording: one left click and one right click.
    std::vector<unsigned> seen;
    for (const ObservedEvent& e : m_observer.ButtonEvents()) {
        seen.push_back(e.message);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen,
              (std::vector<unsigned>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
}

struct DamagedCase {
    const char* what;
    std::string bytes;  // file content; the file is missing when `missing`
    bool missing;
    std::size_t buttons;  // button events replayed
    LONG endX, endY;      // where the cursor is left
};

class DamagedRecordingTest : public RecordingPlayerTest,
                             public testing::WithParamInterface<DamagedCase> {};

// A count as a file stores it, little-endian.
std::string Count(std::int32_t n) {
    auto u = static_cast<std::uint32_t>(n);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
            static_cast<char>(u >> 24)};
}

std::string Records(const std::vector<MouseRecord>& records) {
    return EncodeRecording(records).substr(4);
}

const std::vector<MouseRecord> kClick = {MakeMouseRecord(kLeftButtonDown, 330, 340, 1000),
                                         MakeMouseRecord(kLeftButtonUp, 331, 341, 1010)};

TEST_P(DamagedRecordingTest, ReplaysOnlyTheCompleteRecordsAndEnds) {
    const DamagedCase& c = GetParam();
    std::string path = m_directory.Path() + "damaged.sty";
    if (!c.missing) {
        WriteWholeFile(path, c.bytes);
    }
    ASSERT_TRUE(Play(path)) << "the playback did not end";
    EXPECT_EQ(m_observer.ButtonEvents().size(), c.buttons);
    // Whatever the file, no button is left down: each down the replay gave has its up after it.
    int left = 0;
    int right = 0;
    for (const ObservedEvent& e : m_observer.ButtonEvents()) {
        left += e.message == WM_LBUTTONDOWN ? 1 : e.message == WM_LBUTTONUP && left > 0 ? -1 : 0;
        right += e.message == WM_RBUTTONDOWN ? 1 : e.message == WM_RBUTTONUP && right > 0 ? -1 : 0;
    }
    EXPECT_EQ(left, 0) << "the left button is left down";
    EXPECT_EQ(right, 0) << "the right button is left down";
    // Positions are judged by what was seen during the replay: under Wine a late X event may
    // still move the cursor to wherever the X pointer was left.
    if (c.endX != 20 || c.endY != 20) {
        EXPECT_GE(FirstSeenAt(c.endX, c.endY), 0) << "the last record's position";
    } else {
        EXPECT_LT(FirstSeenAt(330, 340), 0) << "nothing replayed";
    }
    if (c.endX != 331 || c.endY != 341) {
        EXPECT_LT(FirstSeenAt(331, 341), 0) << "no record beyond the complete ones";
    }
    // A missing recording is created empty and stays behind; no file is ever changed.
    EXPECT_EQ(ReadWholeFile(path), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedRecordingTest,
    testing::Values(
        DamagedCase{"missing file", "", true, 0, 20, 20},
        DamagedCase{"empty file", "", false, 0, 20, 20},
        DamagedCase{"cut count", "\x02\x00", false, 0, 20, 20},
        DamagedCase{"negative count", Count(-2) + Records(kClick), false, 0, 20, 20},
        DamagedCase{"count beyond the file", Count(2000000000) + Records(kClick) + "WM_LB", false,
                    2, 331, 341},
        // Cut after the button's down: the replay releases it as it ends.
        DamagedCase{"tail of a longer recording", Count(1) + Records(kClick), false, 2, 330, 340},
        // Only in a damaged file: a time that goes backwards is no pause, not 49 days.
        DamagedCase{"time going backwards",
                    Count(3) + Records({MakeMouseRecord(kRightButtonDown, 300, 310, 9000),
                                        MakeMouseRecord(kRightButtonUp, 301, 311, 100),
                                        MakeMouseRecord(kMouseMove, 302, 312, 100)}),
                    false, 2, 302, 312},
        DamagedCase{"names that are not buttons",
                    Count(2) + Records({MakeMouseRecord("WM_MBUTTONDOWN", 60, 70, 0),
                                        MakeMouseRecord("garbage", 61, 71, 0)}),
                    false, 0, 61, 71},
        DamagedCase{"one record acts at once",
                    Count(1) + Records({MakeMouseRecord(kRightButtonUp, 90, 95, 77)}), false, 1, 90,
                    95}),
    CaseName());

}  // namespace
