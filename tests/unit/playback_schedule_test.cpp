// The replay's schedule: each record's pause, position and button, from the recorded times.
#include "events/playback_schedule.h"
#include "tests/case_name.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

std::vector<MouseRecord> Timed(std::vector<std::uint32_t> times) {
    std::vector<MouseRecord> records;
    for (std::size_t i = 0; i < times.size(); ++i) {
        records.push_back(MakeMouseRecord(kMouseMove, static_cast<int>(i), 0, times[i]));
    }
    return records;
}

std::vector<std::uint32_t> Pauses(const std::vector<PlaybackStep>& steps) {
    std::vector<std::uint32_t> pauses;
    for (const PlaybackStep& s : steps) {
        pauses.push_back(s.pauseBefore);
    }
    return pauses;
}

struct ScheduleCase {
    const char* what;
    std::vector<std::uint32_t> times;
    std::vector<std::uint32_t> pauses;
};

class PlaybackScheduleTest : public testing::TestWithParam<ScheduleCase> {};

TEST_P(PlaybackScheduleTest, PausesBeforeEachRecordForTheGapThatFollowsIt) {
    EXPECT_EQ(Pauses(PlanPlayback(Timed(GetParam().times))), GetParam().pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, PlaybackScheduleTest,
    testing::Values(
        ScheduleCase{"empty", {}, {}}, ScheduleCase{"one record", {5000}, {0}},
        ScheduleCase{"two records", {1000, 1600}, {600, 0}},
        ScheduleCase{"click then move", {0, 120, 2120}, {120, 2000, 0}},
        ScheduleCase{"equal times", {7, 7, 7}, {0, 0, 0}},
        ScheduleCase{"across the tick wrap", {0xFFFFFF9Cu, 0x64u, 0x12Cu}, {200, 200, 0}},
        // A damaged file: time going backwards is no pause, not 49 days.
        ScheduleCase{"backwards", {5000, 4999, 6000}, {0, 1001, 0}},
        ScheduleCase{"gap of 2^31", {0, 0x80000000u}, {0, 0}},
        // Pauses are slept while their sum stays within an hour; after that none at all.
        ScheduleCase{"an hour in all", {0, 1800000, 3600000, 3600000}, {1800000, 1800000, 0, 0}},
        ScheduleCase{
            "past an hour", {0, 3000000, 3600001, 3600002, 3600003}, {3000000, 0, 0, 0, 0}},
        ScheduleCase{"one gap over an hour", {0, 3600001, 3600011, 3600021}, {0, 0, 0, 0}},
        ScheduleCase{"largest real gap", {0, 0x7FFFFFFFu, 0x80000000u}, {0, 0, 0}},
        ScheduleCase{"weeks of gaps", {0, 0x7FFFFFF0u, 0xFFFFFFE0u, 0x6FFFFFD0u}, {0, 0, 0, 0}}),
    CaseName());

TEST(PlaybackSchedule, RecordJIsReplayedAtItsFollowersTimeAndTheLastRightAfterTheOneBefore) {
    const std::vector<std::uint32_t> times = {1000, 1250, 1250, 1900, 2000, 2600};
    std::vector<std::uint32_t> pauses = Pauses(PlanPlayback(Timed(times)));
    std::uint32_t elapsed = 0;
    for (std::size_t j = 0; j < times.size(); ++j) {
        elapsed += pauses[j];
        std::uint32_t expected =
            j + 1 < times.size() ? times[j + 1] - times[0] : times.back() - times[0];
        EXPECT_EQ(elapsed, expected) << "record " << j;
    }
}

TEST(PlaybackSchedule, ButtonsActAtTheRecordedPositionAndOtherNamesOnlyMove) {
    const std::vector<MouseRecord> records = {
        MakeMouseRecord("WM_LBUTTONDOWN", 10, 20, 0), MakeMouseRecord("WM_LBUTTONUP", 11, 21, 0),
        MakeMouseRecord("WM_RBUTTONDOWN", 12, 22, 0), MakeMouseRecord("WM_RBUTTONUP", 13, 23, 0),
        MakeMouseRecord("WM_MOUSEMOVE", 14, 24, 0),   MakeMouseRecord("wm_lbuttondown", 15, 25, 0),
        MakeMouseRecord("WM_MBUTTONDOWN", 16, 26, 0), MakeMouseRecord("", -17, -27, 0),
    };
    const std::uint32_t flags[] = {0x02, 0x04, 0x08, 0x10, 0, 0, 0, 0};
    std::vector<PlaybackStep> steps = PlanPlayback(records);
    ASSERT_EQ(steps.size(), records.size());
    for (std::size_t j = 0; j < steps.size(); ++j) {
        EXPECT_EQ(steps[j].buttonFlags, flags[j]) << ActionNameOf(records[j]);
        EXPECT_EQ(steps[j].x, records[j].x);
        EXPECT_EQ(steps[j].y, records[j].y);
    }
    // A name followed by bytes after its terminator is still the button's name.
    MouseRecord padded = MakeMouseRecord("WM_RBUTTONUP", 0, 0, 0);
    padded.actionName[20] = 'x';
    EXPECT_EQ(PlanPlayback({padded})[0].buttonFlags, kRightUpFlag);
}

struct HeldCase {
    const char* what;
    std::vector<std::uint32_t> flags;  // each step's button flags, in order
    std::uint32_t release;
};

class HeldButtonsTest : public testing::TestWithParam<HeldCase> {};

TEST_P(HeldButtonsTest, ReleasesWhatTheReplayPressedAndDidNotRelease) {
    HeldButtons held;
    for (std::uint32_t f : GetParam().flags) {
        held.Note(f);
    }
    EXPECT_EQ(held.ReleaseFlags(), GetParam().release);
}

INSTANTIATE_TEST_SUITE_P(
    Replays, HeldButtonsTest,
    testing::Values(
        HeldCase{"nothing", {}, 0}, HeldCase{"moves only", {0, 0}, 0},
        HeldCase{"whole clicks", {kLeftDownFlag, kLeftUpFlag, kRightDownFlag, kRightUpFlag}, 0},
        HeldCase{"cut after a left down", {0, kLeftDownFlag, 0}, kLeftUpFlag},
        HeldCase{"cut after a right down", {kRightDownFlag}, kRightUpFlag},
        HeldCase{"both held", {kLeftDownFlag, kRightDownFlag}, kLeftUpFlag | kRightUpFlag},
        HeldCase{"pressed twice, released once", {kLeftDownFlag, kLeftDownFlag, kLeftUpFlag}, 0},
        // An up the replay did not press is not answered with another up.
        HeldCase{"a lone up", {kLeftUpFlag, kRightUpFlag}, 0},
        HeldCase{"pressed again after its up",
                 {kRightDownFlag, kRightUpFlag, kRightDownFlag},
                 kRightUpFlag}),
    CaseName());

}  // namespace
