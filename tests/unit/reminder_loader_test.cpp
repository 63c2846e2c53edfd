#include "reminders/reminder_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <string>
#include <vector>

namespace {

struct Loaded {
    std::string timeText, message, event;
    bool operator==(const Loaded&) const = default;
};

void PrintTo(const Loaded& r, std::ostream* os) {
    *os << "{[" << r.timeText << "] " << r.message << " / " << r.event << "}";
}

std::vector<Loaded> Load(const std::string& text) {
    const std::string in(text);
    std::vector<Reminder> list;
    ReadReminders(in, list);
    std::vector<Loaded> loaded;
    for (const Reminder& r : list) {
        loaded.push_back({r.timeText, r.message, r.event});
    }
    return loaded;
}

struct LoaderCase {
    const char* what;
    std::string file;
    std::vector<Loaded> expected;
};

void PrintTo(const LoaderCase& c, std::ostream* os) {
    *os << c.what;
}

class ReadRemindersTest : public testing::TestWithParam<LoaderCase> {};

TEST_P(ReadRemindersTest, GroupsLinesIntoRecords) {
    EXPECT_EQ(Load(GetParam().file), GetParam().expected);
}

using std::string_literals::operator""s;

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRemindersTest,
    testing::Values(
        LoaderCase{"empty file", "", {}},
        LoaderCase{"as the profile functions write it",
                   "[2008-01-17 21:39]\r\nMESSAGE=Call Anna\r\nEVENT=notepad\r\n"
                   "[07:30]\r\nMESSAGE=Stretch\r\nEVENT=\r\n",
                   {{"2008-01-17 21:39", "Call Anna", "notepad"}, {"07:30", "Stretch", ""}}},
        LoaderCase{"LF line ends and blank lines between sections",
                   "\n[07:30]\nMESSAGE=a\nEVENT=b\n\n\n[08:00]\nMESSAGE=c\nEVENT=d\n",
                   {{"07:30", "a", "b"}, {"08:00", "c", "d"}}},
        LoaderCase{"no line end after the last line",
                   "[07:30]\r\nMESSAGE=a\r\nEVENT=b",
                   {{"07:30", "a", "b"}}},
        LoaderCase{"EVENT before MESSAGE", "[07:30]\nEVENT=e\nMESSAGE=m\n", {{"07:30", "m", "e"}}},
        LoaderCase{
            "a message with = in it", "[07:30]\nMESSAGE=a=b\nEVENT=\n", {{"07:30", "a=b", ""}}},
        LoaderCase{"a message that begins with EVENT keeps the events of the next records",
                   "[07:30]\nMESSAGE=EVENT=x\nEVENT=\n[08:00]\nMESSAGE=m\nEVENT=real\n",
                   {{"07:30", "EVENT=x", ""}, {"08:00", "m", "real"}}},
        LoaderCase{"values are not trimmed, and a longer key name counts",
                   "[ 07:30 ]\nMESSAGES = spaced \nEVENTFUL=\n",
                   {{" 07:30 ", " spaced ", ""}}},
        LoaderCase{"a key line without = gives the whole line",
                   "[07:30]\nMESSAGE\nEVENT\n",
                   {{"07:30", "MESSAGE", "EVENT"}}},
        LoaderCase{"comments, other keys and lower-case keys change nothing",
                   "; note\n[07:30]\nmessage=x\nCOLOUR=red\nMESSAGE=m\n# hash\nEVENT=e\nOTHER=1\n",
                   {{"07:30", "m", "e"}}},
        LoaderCase{"a section without MESSAGE lends its keys to the next group",
                   "[A]\nMESSAGE=only\n[B]\nMESSAGE=bm\nEVENT=be\n",
                   {{"B", "bm", "be"}}},
        LoaderCase{"an EVENT carried over pairs with the next section's message",
                   "[A]\nEVENT=ae\n[B]\nMESSAGE=bm\nEVENT=be\n[C]\nMESSAGE=cm\n",
                   {{"B", "bm", "ae"}, {"C", "cm", "be"}}},
        LoaderCase{"two sections with one name both load",
                   "[07:30]\nMESSAGE=a\nEVENT=\n[07:30]\nMESSAGE=b\nEVENT=\n",
                   {{"07:30", "a", ""}, {"07:30", "b", ""}}},
        LoaderCase{"the header's last character is dropped unseen",
                   "[07:30;\nMESSAGE=a\nEVENT=\n",
                   {{"07:30", "a", ""}}},
        LoaderCase{"a lone [ is an empty time", "[\nMESSAGE=a\nEVENT=\n", {{"", "a", ""}}},
        LoaderCase{"[] is an empty time", "[]\r\nMESSAGE=a\r\nEVENT=\r\n", {{"", "a", ""}}},
        LoaderCase{"CR without LF does not end a line",
                   "[07:30]\rMESSAGE=a\rEVENT=b\r\nMESSAGE=c\nEVENT=d\n",
                   {{"07:30]\rMESSAGE=a\rEVENT=", "c", "d"}}},
        LoaderCase{"NUL bytes are ordinary characters",
                   "[07:\0"
                   "30]\nMESSAGE=a\0b\nEVENT=\0\n"s,
                   {{"07:\0"
                     "30"s,
                     "a\0b"s, "\0"s}}},
        LoaderCase{"an incomplete group at the end is dropped",
                   "[07:30]\nMESSAGE=a\nEVENT=b\n[08:00]\nMESSAGE=c\n",
                   {{"07:30", "a", "b"}}}));

TEST(ReadReminders, ReadsMegabyteLines) {
    const std::string big(1 << 20, 'x');
    std::string file = "[" + big + "]\r\n" + big + "\r\nMESSAGE=" + big + "\r\nEVENT=" + big;
    std::vector<Loaded> loaded = Load(file);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].timeText, big);
    EXPECT_EQ(loaded[0].message, big);
    EXPECT_EQ(loaded[0].event, big);
}

TEST(ReadReminders, AppendsToWhatTheListAlreadyHolds) {
    std::vector<Reminder> list{{"06:00", "kept", "", ColourEveryDay}};
    const std::string in("[07:30]\nMESSAGE=m\nEVENT=e\n");
    ReadReminders(in, list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].message, "kept");
    EXPECT_EQ(list[1].timeText, "07:30");
}

}  // namespace
