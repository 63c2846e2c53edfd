// Reminder moments on the real timeline: calendar arithmetic, the clock's jumps, and the latest
// occurrence of a reminder in a span.
#include "reminders/reminder_timeline.h"

#include <gtest/gtest.h>

#include "simulated_timeline.h"

namespace {

using Skipped = SimulatedTimeline::SkippedAnswer;

TEST(CalendarTest, DaysRoundTripAcrossLeapYearsAndCenturies) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    for (std::int64_t day = DaysFromCivil(1899, 12, 25); day < DaysFromCivil(2101, 1, 5); ++day) {
        LocalDateTime date = CivilFromDays(day);
        ASSERT_EQ(DaysFromCivil(date.year, date.month, date.day), day);
        ASSERT_GE(date.day, 1);
        ASSERT_LE(date.day, DaysInMonth(date.year, date.month));
    }
    EXPECT_EQ(DaysInMonth(2028, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2027, 13), 0);
}

TEST(MomentTest, AnOrdinaryMinuteIsThePlatformsInstant) {
    SimulatedTimeline zone;
    EXPECT_EQ(MomentOf(zone, 2027, 1, 15, 8, 0), 1799996400);  // 07:00 UTC
    EXPECT_EQ(MomentOf(zone, 2027, 7, 15, 8, 0), zone.At(2027, 7, 15, 8, 0));
}

TEST(MomentTest, DatesAndTimesThatDoNotExistHaveNoMoment) {
    SimulatedTimeline zone;
    struct Case {
        int year, month, day, hour, minute;
    };
    for (Case c : {Case{2027, 2, 29, 9, 0}, Case{2027, 2, 30, 9, 0}, Case{2027, 13, 1, 9, 0},
                   Case{2027, 0, 1, 9, 0}, Case{2027, 4, 31, 9, 0}, Case{2027, 1, 1, 24, 0},
                   Case{2027, 1, 1, 9, 60}, Case{0, 1, 1, 9, 0}, Case{10000, 1, 1, 9, 0},
                   Case{2027, 1, -1, 9, 0}}) {
        EXPECT_FALSE(MomentOf(zone, c.year, c.month, c.day, c.hour, c.minute))
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
    }
    EXPECT_TRUE(MomentOf(zone, 2028, 2, 29, 9, 0));
}

TEST(MomentTest, AMinuteTheSpringChangeSkipsIsReachedWhenTheClockJumpsPastIt) {
    for (Skipped answer : {Skipped::Earlier, Skipped::Later}) {
        SimulatedTimeline zone(answer);
        EXPECT_EQ(MomentOf(zone, 2027, 3, 28, 2, 30), SimulatedTimeline::kSpring);
        EXPECT_EQ(MomentOf(zone, 2027, 3, 28, 2, 0), SimulatedTimeline::kSpring);
        EXPECT_EQ(MomentOf(zone, 2027, 3, 28, 3, 0), SimulatedTimeline::kSpring);
        EXPECT_EQ(MomentOf(zone, 2027, 3, 28, 1, 59), SimulatedTimeline::kSpring - 60);
    }
}

TEST(MomentTest, AMinuteTheAutumnShowsTwiceHasOneMoment) {
    SimulatedTimeline zone;
    EXPECT_EQ(MomentOf(zone, 2027, 10, 31, 2, 30), SimulatedTimeline::kAutumn - 1800);
}

TEST(OccurrenceTest, AOneTimeReminderOccursOnlyInsideTheSpan) {
    SimulatedTimeline zone;
    ReminderTime once = ParseReminderTime("2027-01-15 08:00");
    const Instant moment = zone.At(2027, 1, 15, 8, 0);
    EXPECT_EQ(LatestOccurrence(once, moment - 1, moment, zone), moment);
    EXPECT_FALSE(LatestOccurrence(once, moment, moment + 3600, zone)) << "after excludes";
    EXPECT_FALSE(LatestOccurrence(once, moment - 3600, moment - 1, zone));
    EXPECT_FALSE(LatestOccurrence(ParseReminderTime("2027-02-30 08:00"), 0, moment * 2, zone));
}

TEST(OccurrenceTest, AnEveryDayReminderGivesItsLatestDateInsideTheSpan) {
    SimulatedTimeline zone;
    ReminderTime daily = ParseReminderTime("08:00");
    const Instant weekAgo = zone.At(2027, 1, 8, 12, 0);
    EXPECT_EQ(LatestOccurrence(daily, weekAgo, zone.At(2027, 1, 15, 12, 0), zone),
              zone.At(2027, 1, 15, 8, 0));
    EXPECT_EQ(LatestOccurrence(daily, weekAgo, zone.At(2027, 1, 15, 7, 59), zone),
              zone.At(2027, 1, 14, 8, 0));
    EXPECT_FALSE(
        LatestOccurrence(daily, zone.At(2027, 1, 15, 8, 0), zone.At(2027, 1, 16, 7, 0), zone));
    // A dated text whose date reads as zero is a time of day, as the due test has it.
    EXPECT_EQ(LatestOccurrence(ParseReminderTime("0000-00-00 08:00"), weekAgo,
                               zone.At(2027, 1, 15, 12, 0), zone),
              zone.At(2027, 1, 15, 8, 0));
    EXPECT_FALSE(
        LatestOccurrence(ParseReminderTime("25:00"), weekAgo, zone.At(2027, 1, 15, 12, 0), zone));
}

}  // namespace
