// Joining what a later walk found missed to the window's rows.
#include "reminders/missed_reminder.h"

#include <gtest/gtest.h>

namespace {

TEST(MergeMissedTest, NewRowsJoinOldestFirstAndAListedReminderMovesToItsNewerMoment) {
    std::vector<MissedReminder> rows = {{"08:00", "daily", "", 100},
                                        {"2027-01-10 09:00", "once", "", 200}};
    MergeMissed(rows, {{"2027-01-09 09:00", "earlier", "Backup", 50},
                       {"08:00", "daily", "", 300},
                       {"08:00", "other message", "", 150}});
    EXPECT_EQ(rows, (std::vector<MissedReminder>{{"2027-01-09 09:00", "earlier", "Backup", 50},
                                                 {"08:00", "other message", "", 150},
                                                 {"2027-01-10 09:00", "once", "", 200},
                                                 {"08:00", "daily", "", 300}}));
}

}  // namespace
