// What the event lists show of the registry file, line by line, hand-edited files included.
#include "events/event_list_reader.h"
#include "tests/case_name.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string>
#include <vector>

namespace {

struct ListCase {
    const char* what;
    std::string file;
    std::vector<std::string> names;
};

class EventListReaderTest : public testing::TestWithParam<ListCase> {};

TEST_P(EventListReaderTest, ListsOneEntryPerLineBeforeItsFirstEquals) {
    const std::string in(GetParam().file);
    EXPECT_EQ(ReadEventNames(in), GetParam().names);
}

using Names = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Files, EventListReaderTest,
    testing::Values(
        ListCase{"empty file", "", {}}, ListCase{"header only", "[EVENTCONFIG]\r\n", {}},
        ListCase{"as written", "[EVENTCONFIG]\r\nBackup=C:\\b.exe\r\nWave=C:\\w.sty\r\n",
                 Names{"Backup", "Wave"}},
        ListCase{"no final line end", "[EVENTCONFIG]\r\nA=1\r\nB=2", Names{"A", "B"}},
        ListCase{"lone line feeds", "[EVENTCONFIG]\nA=1\nB=2\n", Names{"A", "B"}},
        // A lone CR does not end a line.
        ListCase{"lone carriage return", "A=1\rB=2\r\n", Names{"A"}},
        ListCase{"a comment with an equals sign", "; a=b\r\n", Names{"; a"}},
        ListCase{"blank line and comment", "[EVENTCONFIG]\r\n\r\n; mine\r\nA=1\r\n",
                 Names{"", "", "A"}},
        ListCase{"second section", "[EVENTCONFIG]\r\nA=1\r\n[OTHER]\r\nB=2\r\n",
                 Names{"A", "", "B"}},
        ListCase{"lower-case header", "[eventconfig]\r\nA=1\r\n", Names{"", "A"}},
        ListCase{"header with blanks", " [EVENTCONFIG]\r\n[EVENTCONFIG] \r\n", Names{"", ""}},
        ListCase{"name with equals", "[EVENTCONFIG]\r\na=b=C:\\x.sty\r\n", Names{"a"}},
        ListCase{"blanks kept", "  spaced name = C:\\p.exe\r\n", Names{"  spaced name "}},
        ListCase{"same name twice", "A=1\r\nA=2\r\n", Names{"A", "A"}},
        ListCase{"empty name", "=C:\\p.exe\r\n", Names{""}},
        ListCase{"multi-byte text", "Caf\xe9 \x82\xa0=x\r\n", Names{"Caf\xe9 \x82\xa0"}},
        ListCase{"NUL inside a line", std::string("A\0B=1\r\n", 7), Names{std::string("A\0B", 3)}}),
    CaseName());

TEST(EventListReader, ReadsAHugeLineWhole) {
    std::string name(1 << 20, 'n');
    const std::string in("[EVENTCONFIG]\r\n" + name + "=" + std::string(1 << 20, 'p') + "\r\nB=1");
    EXPECT_EQ(ReadEventNames(in), (Names{name, "B"}));
}

}  // namespace
