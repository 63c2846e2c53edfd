// The reminder store through the real profile functions: what the writer puts in the file, the
// loader must read back unchanged and in order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "paths/app_paths.h"
#include "reminders/reminder.h"
#include "reminders/reminder_store.h"
#include "temp_directory.h"

namespace {

class ReminderStoreTest : public testing::Test {
protected:
    void SetUp() override {
        SetAppPaths(m_directory.Path());
        ReminderList.clear();
    }
    void TearDown() override { ReminderList.clear(); }

    static std::vector<Reminder> Reload() {
        ReminderList.clear();
        LoadReminders();
        return ReminderList;
    }

    TempDirectory m_directory;
};

void ExpectSameReminders(const std::vector<Reminder>& actual,
                         const std::vector<Reminder>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].timeText, expected[i].timeText) << "record " << i;
        EXPECT_EQ(actual[i].message, expected[i].message) << "record " << i;
        EXPECT_EQ(actual[i].event, expected[i].event) << "record " << i;
    }
}

TEST_F(ReminderStoreTest, AMissingFileLoadsNothing) {
    EXPECT_TRUE(Reload().empty());
}

TEST_F(ReminderStoreTest, EveryRecordTheProgramWritesLoadsBackInOrder) {
    // Time texts as the settings window makes them, and the messages and event names it accepts.
    const std::vector<Reminder> written = {
        {FormatOneTimeText(2008, 1, 17, 21, 39), "Call Anna", "notepad"},
        {FormatEveryDayText(7, 30), "Stretch", ""},
        {FormatOneTimeText(2027, 2, 3, 0, 0), "", "Backup macro"},
        {FormatEveryDayText(0, 0), "a=b", ""},
        {FormatEveryDayText(23, 59), "EVENT=not an event", "study one"},
        {FormatOneTimeText(2030, 12, 31, 23, 59), "[brackets] and ; semicolons", "x=y"},
        {FormatEveryDayText(12, 5), "MESSAGE", "EVENT"},
        {FormatOneTimeText(9999, 1, 1, 1, 1), "Caf\xe9 \xbc & <tags> \"quotes\" 100%", ""},
        {FormatEveryDayText(6, 1), std::string(4000, 'm'), std::string(200, 'e')},
    };
    for (const Reminder& r : written) {
        WriteReminder(r.timeText, r.message, r.event);
    }
    ExpectSameReminders(Reload(), written);
}

TEST_F(ReminderStoreTest, TheFirstWriteCreatesTheFileWithOneSectionOfThreeLines) {
    WriteReminder("07:30", "Stretch", "");
    std::string bytes = ReadWholeFile(ReminderConfigPath);
    EXPECT_NE(bytes.find("[07:30]\r\nMESSAGE=Stretch\r\nEVENT=\r\n"), std::string::npos) << bytes;
    ExpectSameReminders(Reload(), {{"07:30", "Stretch", ""}});
}

TEST_F(ReminderStoreTest, RemovingASectionKeepsTheOthersInOrder) {
    WriteReminder("07:30", "one", "");
    WriteReminder("2030-01-01 08:00", "two", "e2");
    WriteReminder("09:15", "three", "e3");
    RemoveReminder("2030-01-01 08:00");
    ExpectSameReminders(Reload(), {{"07:30", "one", ""}, {"09:15", "three", "e3"}});
    // A reminder added after a removal goes to the end.
    WriteReminder("2030-01-01 08:00", "again", "");
    ExpectSameReminders(
        Reload(),
        {{"07:30", "one", ""}, {"09:15", "three", "e3"}, {"2030-01-01 08:00", "again", ""}});
}

TEST_F(ReminderStoreTest, DeletingTheOnlyReminderLeavesAnEmptyStore) {
    WriteReminder("07:30", "only", "");
    RemoveReminder("07:30");
    EXPECT_TRUE(Reload().empty());
}

TEST_F(ReminderStoreTest, AHandEditedStoreLoadsByTheGroupingRules) {
    WriteWholeFile(ReminderConfigPath,
                   "; my reminders\r\n\r\n[A]\r\nEVENT=ae\r\n[B]\r\nMESSAGE=bm\r\nEVENT=be\r\n"
                   "[C]\r\nMESSAGE=cm\r\n");
    ExpectSameReminders(Reload(), {{"B", "bm", "ae"}, {"C", "cm", "be"}});
}

}  // namespace
