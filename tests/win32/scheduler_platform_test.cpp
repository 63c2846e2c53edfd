// What the scheduler takes from the platform: the clock and the time zone's conversion, which must
// agree with the local time the character's clock shows, and its record file.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "reminders/scheduler_state_file.h"
#include "reminders/windows_timeline.h"
#include "temp_directory.h"

namespace {

TEST(WindowsTimelineTest, AgreesWithTheLocalTimeTheClockShowsAllYearRound) {
    WindowsTimeline timeline;
    const Instant now = CurrentInstant();
    EXPECT_LE(std::abs(now - static_cast<Instant>(std::time(nullptr))), 2);
    // Every 25 hours through a year on either side of now, so both sides of any daylight saving
    // change are seen at several hours of the day.
    for (Instant t = now - 366 * 86400; t < now + 366 * 86400; t += 25 * 3600) {
        std::time_t crt = static_cast<std::time_t>(t);
        const std::tm* shown = std::localtime(&crt);
        ASSERT_NE(shown, nullptr);
        std::optional<LocalDateTime> local = timeline.ToLocal(t);
        ASSERT_TRUE(local);
        EXPECT_EQ(*local, (LocalDateTime{shown->tm_year + 1900, shown->tm_mon + 1, shown->tm_mday,
                                         shown->tm_hour, shown->tm_min, shown->tm_sec}))
            << t;
        // Back again, but where the clock shows the hour twice.
        std::optional<Instant> back = timeline.ToInstant(*local);
        ASSERT_TRUE(back);
        EXPECT_TRUE(*back == t || std::abs(*back - t) == 3600) << t;
    }
}

TEST(WindowsTimelineTest, TimesOutsideThePlatformsRangeHaveNoInstant) {
    WindowsTimeline timeline;
    EXPECT_FALSE(timeline.ToInstant({1600, 12, 31, 23, 59, 0}));
    EXPECT_FALSE(timeline.ToLocal(-20000000000LL));
    EXPECT_TRUE(MomentOf(timeline, 9999, 12, 31, 23, 59));
    EXPECT_FALSE(MomentOf(timeline, 2027, 2, 29, 9, 0));
}

class SchedulerStateFileTest : public testing::Test {
protected:
    TempDirectory m_directory;
    std::string m_path = m_directory.Path() + "scheduler.state";
};

TEST_F(SchedulerStateFileTest, ASavedRecordLoadsBackAndReplacesTheOldOneWholly) {
    SchedulerStateFile file(m_path);
    EXPECT_FALSE(file.Load()) << "no file yet";
    file.Save({1806195600, {{"08:00", 1806224400}}});
    file.Save({1806195660, {}});
    EXPECT_EQ(file.Load(), (SchedulerState{1806195660, {}}));
    EXPECT_EQ(ReadWholeFile(m_path), "looked=1806195660\r\n");
    EXPECT_FALSE(FileExists(m_path + ".new")) << "nothing left beside it";
}

TEST_F(SchedulerStateFileTest, ADamagedOrHugeFileIsNoRecordAndTheNextSaveMendsIt) {
    SchedulerStateFile file(m_path);
    WriteWholeFile(m_path, "looked=\x01\x02 not a number\r\n");
    EXPECT_FALSE(file.Load());
    WriteWholeFile(m_path, "looked=5\r\n" + std::string(100 * 1024, 'x'));
    EXPECT_FALSE(file.Load());
    WriteWholeFile(m_path + ".new", "left by a crash");
    file.Save({7, {}});
    EXPECT_EQ(file.Load(), (SchedulerState{7, {}}));
}

}  // namespace
