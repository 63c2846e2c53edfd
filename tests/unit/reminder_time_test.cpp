#include <gtest/gtest.h>

#include <climits>

#include "reminders/reminder.h"

namespace {

struct ParseCase {
    const char* text;
    ReminderTime expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseReminderTimeTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseReminderTimeTest, ReadsFieldsByPosition) {
    ReminderTime t = ParseReminderTime(GetParam().text);
    const ReminderTime& e = GetParam().expected;
    EXPECT_EQ(t.everyDay, e.everyDay);
    EXPECT_EQ(t.year, e.year);
    EXPECT_EQ(t.month, e.month);
    EXPECT_EQ(t.day, e.day);
    EXPECT_EQ(t.hour, e.hour);
    EXPECT_EQ(t.minute, e.minute);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseReminderTimeTest,
    testing::Values(
        ParseCase{"23:59", {1, 0, 0, 0, 23, 59}}, ParseCase{"07:30", {1, 0, 0, 0, 7, 30}},
        ParseCase{"2008-01-17 21:39", {0, 2008, 1, 17, 21, 39}},
        // The length decides the form: "9:30" is every day, and its minute window holds only "0".
        ParseCase{"9:30", {1, 0, 0, 0, 9, 0}}, ParseCase{"", {1, 0, 0, 0, 0, 0}},
        ParseCase{"ab:cd", {1, 0, 0, 0, 0, 0}},
        // Six characters or more are the dated form, however they look.
        ParseCase{"12:345", {0, 12, 5, 0, 0, 0}},
        ParseCase{"hello world, this is not a time", {0, 0, 0, 0, 0, 0}},
        // atoi's rules inside each window: spaces skipped, a sign taken.
        ParseCase{" 7:05", {1, 0, 0, 0, 7, 5}},
        ParseCase{"2008-01-17 +9:-3", {0, 2008, 1, 17, 9, -3}},
        // A run of digits saturates instead of overflowing.
        ParseCase{"2008-01-17 21:39999999999999", {0, 2008, 1, 17, 21, INT32_MAX}},
        ParseCase{"2008-01-17 21:-9999999999999", {0, 2008, 1, 17, 21, INT32_MIN}}));

struct CompareCase {
    const char* what;
    ReminderTime given;
    LocalMinute now;
    int expected;
};

void PrintTo(const CompareCase& c, std::ostream* os) {
    *os << c.what;
}

class CompareReminderMinuteTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareReminderMinuteTest, PlacesTheMinuteBeforeAtOrAfterNow) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareReminderMinute(c.given.year, c.given.month, c.given.day, c.given.hour,
                                    c.given.minute, c.now),
              c.expected);
}

constexpr ReminderTime k2008 = {0, 2008, 1, 17, 21, 39};

INSTANTIATE_TEST_SUITE_P(
    Minutes, CompareReminderMinuteTest,
    testing::Values(
        CompareCase{"same minute", k2008, {2008, 1, 17, 21, 39}, TimeSame},
        CompareCase{"next minute", k2008, {2008, 1, 17, 21, 40}, TimeEarlier},
        CompareCase{"a year on", k2008, {2009, 1, 17, 8, 0}, TimeEarlier},
        CompareCase{"the day before", k2008, {2008, 1, 16, 23, 59}, TimeLater},
        CompareCase{
            "month decides before day", {0, 2008, 2, 1, 0, 0}, {2008, 1, 31, 23, 59}, TimeLater},
        CompareCase{
            "every day ignores the date", {1, 0, 0, 0, 7, 5}, {2031, 12, 31, 7, 5}, TimeSame},
        CompareCase{
            "every day, later today", {1, 0, 0, 0, 23, 59}, {2020, 5, 5, 23, 58}, TimeLater},
        CompareCase{
            "every day, earlier today", {1, 0, 0, 0, 0, 0}, {2020, 5, 5, 0, 1}, TimeEarlier},
        // One non-zero date field brings the whole date in: year 0 lies in the past.
        CompareCase{"partial date", {0, 0, 5, 1, 7, 5}, {2026, 5, 1, 7, 5}, TimeEarlier},
        CompareCase{
            "30 February never comes", {0, 2008, 2, 30, 10, 0}, {2008, 3, 1, 10, 0}, TimeEarlier}));

TEST(CompareWithNow, TheCurrentMinuteIsSameAndTheNeighboursAreNot) {
    // Retry across a minute boundary instead of failing on it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        LocalMinute before = CurrentLocalMinute();
        int same =
            CompareWithNow(before.year, before.month, before.day, before.hour, before.minute);
        int everyDay = CompareWithNow(0, 0, 0, before.hour, before.minute);
        int lastYear =
            CompareWithNow(before.year - 1, before.month, before.day, before.hour, before.minute);
        int nextYear =
            CompareWithNow(before.year + 1, before.month, before.day, before.hour, before.minute);
        LocalMinute after = CurrentLocalMinute();
        if (before.minute != after.minute || before.hour != after.hour) {
            continue;
        }
        EXPECT_EQ(same, TimeSame);
        EXPECT_EQ(everyDay, TimeSame);
        EXPECT_EQ(lastYear, TimeEarlier);
        EXPECT_EQ(nextYear, TimeLater);
        return;
    }
    FAIL() << "the minute kept changing";
}

TEST(TimeTexts, FormatAsTheStoreNamesSections) {
    EXPECT_EQ(FormatOneTimeText(2008, 1, 17, 21, 39), "2008-01-17 21:39");
    EXPECT_EQ(FormatOneTimeText(2026, 12, 1, 0, 5), "2026-12-01 00:05");
    EXPECT_EQ(FormatEveryDayText(7, 30), "07:30");
    // What the formatter writes, the parser reads back.
    ReminderTime t = ParseReminderTime(FormatOneTimeText(9999, 12, 31, 23, 59));
    EXPECT_EQ(t.everyDay, 0);
    EXPECT_EQ(t.year, 9999);
    EXPECT_EQ(t.minute, 59);
}

}  // namespace
