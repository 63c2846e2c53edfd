// "Add Remind"'s rules and the colours of the settings window, at a fixed moment:
// 2026-12-10 15:30.
#include "reminders/reminder_entry.h"
#include "tests/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const LocalMinute kNow{2026, 12, 10, 15, 30};

ReminderEntry OneTime(int y, int mo, int d, int h, int mi, std::string message = "m",
                      std::string event = "") {
    return {y, mo, d, h, mi, false, std::move(message), std::move(event)};
}

ReminderEntry EveryDay(int h, int mi, std::string message = "m", std::string event = "") {
    // The date boxes hold anything that passed their checks; they play no part.
    return {2999, 2, 31, h, mi, true, std::move(message), std::move(event)};
}

struct AddCase {
    const char* what;
    ReminderEntry entry;
    std::vector<Reminder> listed;
    std::string refusal;
    std::string timeText;  // when accepted
    ReminderColour colour;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.what;
}

class AddRemindTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddRemindTest, RefusesInTheFixedOrderOrMakesTheReminder) {
    const AddCase& c = GetParam();
    NewReminder made = MakeNewReminder(c.entry, c.listed, kNow);
    EXPECT_EQ(made.refusal, c.refusal);
    if (c.refusal.empty()) {
        EXPECT_EQ(made.reminder.timeText, c.timeText);
        EXPECT_EQ(made.reminder.colour, c.colour);
        EXPECT_EQ(made.reminder.message, c.entry.message);
        EXPECT_EQ(made.reminder.event, c.entry.event);
    }
}

const std::vector<Reminder> kListed = {{"2009-03-01 08:00", "a", ""}, {"12:00", "b", ""}};

INSTANTIATE_TEST_SUITE_P(
    Entries, AddRemindTest,
    testing::Values(
        AddCase{"next minute",
                OneTime(2026, 12, 10, 15, 31),
                {},
                "",
                "2026-12-10 15:31",
                ColourPending},
        AddCase{"this minute", OneTime(2026, 12, 10, 15, 30), {}, "Time Error"},
        AddCase{"a past year", OneTime(2025, 12, 31, 23, 59), {}, "Time Error"},
        AddCase{"31 April", OneTime(2027, 4, 31, 8, 0), {}, "Time Error"},
        AddCase{"30 February", OneTime(2028, 2, 30, 8, 0), {}, "Time Error"},
        AddCase{"29 February of a common year", OneTime(2027, 2, 29, 8, 0), {}, "Time Error"},
        AddCase{"29 February of a leap year",
                OneTime(2028, 2, 29, 8, 0),
                {},
                "",
                "2028-02-29 08:00",
                ColourPending},
        // The time is tested before the message, the message before the repeat.
        AddCase{"past and empty", OneTime(2026, 12, 10, 15, 0, "", ""), {}, "Time Error"},
        AddCase{"nothing to remind",
                OneTime(2027, 1, 1, 8, 0, "", ""),
                {{"2027-01-01 08:00", "x", ""}},
                "Please Input Message or Select Event"},
        AddCase{"an event without message",
                OneTime(2027, 1, 1, 8, 0, "", "Backup"),
                {},
                "",
                "2027-01-01 08:00",
                ColourPending},
        AddCase{"every day, already past today", EveryDay(9, 5), {}, "", "09:05", ColourEveryDay},
        AddCase{"every day, this very minute", EveryDay(15, 30), {}, "", "15:30", ColourEveryDay},
        AddCase{"every day clashing with a one-time reminder of its time", EveryDay(8, 0), kListed,
                "Time Repeat"},
        AddCase{"every day clashing with every day", EveryDay(12, 0), kListed, "Time Repeat"},
        AddCase{"one-time beside an every-day reminder of its time", OneTime(2027, 3, 2, 12, 0),
                kListed, "", "2027-03-02 12:00", ColourPending},
        AddCase{"the same one-time reminder again",
                OneTime(2027, 3, 2, 12, 0),
                {{"2027-03-02 12:00", "x", ""}},
                "Time Repeat"},
        AddCase{"31 February of a future year", OneTime(2027, 2, 31, 10, 0), {}, "Time Error"}),
    CaseName());

TEST(SettingsColours, AtOpeningAndWhenTheMinuteComes) {
    EXPECT_EQ(ColourAtOpening({"08:00"}, kNow), ColourEveryDay);
    EXPECT_EQ(ColourAtOpening({"2026-12-10 15:31"}, kNow), ColourPending);
    EXPECT_EQ(ColourAtOpening({"2026-12-10 15:30"}, kNow), ColourReminded) << "due now";
    EXPECT_EQ(ColourAtOpening({"2009-03-01 08:00"}, kNow), ColourReminded);
    // Never due, but black until its month has passed.
    EXPECT_EQ(ColourAtOpening({"2026-11-31 10:00"}, kNow), ColourReminded);
    EXPECT_EQ(ColourAtOpening({"2027-02-31 10:00"}, kNow), ColourPending);

    EXPECT_TRUE(TurnsRedNow({"2026-12-10 15:30"}, kNow));
    EXPECT_FALSE(TurnsRedNow({"2026-12-10 15:31"}, kNow));
    EXPECT_FALSE(TurnsRedNow({"15:30"}, kNow)) << "every-day reminders keep their blue";
}

}  // namespace
