// The event registry through the real profile functions, and the two readers' views of the file:
// the lists show what the line reader sees, firing runs what the keyed lookup finds.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "events/event_registry.h"
#include "paths/app_paths.h"
#include "temp_directory.h"
#include "tests/case_name.h"

namespace {

using Names = std::vector<std::string>;

class EventRegistryTest : public testing::Test {
protected:
    void SetUp() override {
        SetAppPaths(m_directory.Path());
        m_listBox = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_listBox, nullptr);
    }
    void TearDown() override { DestroyWindow(m_listBox); }

    // What a fresh event list shows: ListEventNames into an empty, unsorted list box.
    Names Listed() {
        SendMessageA(m_listBox, LB_RESETCONTENT, 0, 0);
        EventRegistry::ListEventNames(m_listBox);
        Names names;
        auto count = SendMessageA(m_listBox, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string text(static_cast<std::size_t>(SendMessageA(m_listBox, LB_GETTEXTLEN, i, 0)),
                             '\0');
            SendMessageA(m_listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            names.push_back(text);
        }
        return names;
    }

    TempDirectory m_directory;
    HWND m_listBox = nullptr;
};

TEST_F(EventRegistryTest, WithoutAFileNothingIsListedOrFound) {
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(EventRegistry::LookupEventPath("Backup"), "");
    EventRegistry::RemoveEvent("Backup");
    EXPECT_EQ(GetFileAttributesA(EventConfigPath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(EventRegistryTest, TheFirstEventCreatesAFileOfTheHeaderAndOneLine) {
    EventRegistry::StoreEvent("Backup", R"(C:\Tools\backup.exe)");
    EXPECT_EQ(ReadWholeFile(EventConfigPath), "[EVENTCONFIG]\r\nBackup=C:\\Tools\\backup.exe\r\n");
    EXPECT_EQ(Listed(), Names{"Backup"});
    EXPECT_EQ(EventRegistry::LookupEventPath("Backup"), R"(C:\Tools\backup.exe)");
}

TEST_F(EventRegistryTest, StoringANameAgainInAnyCaseReplacesItsPathInPlace) {
    EventRegistry::StoreEvent("Backup", R"(C:\b.exe)");
    EventRegistry::StoreEvent("Wave hello", R"(C:\W\StudyEvent\Wave hello.sty)");
    EventRegistry::StoreEvent("BACKUP", R"(C:\W\StudyEvent\BACKUP.sty)");
    EXPECT_EQ(Listed().size(), 2u);
    EXPECT_EQ(Listed()[1], "Wave hello");
    EXPECT_EQ(EventRegistry::LookupEventPath("backup"), R"(C:\W\StudyEvent\BACKUP.sty)");
    EXPECT_EQ(EventRegistry::LookupEventPath("Wave hello"), R"(C:\W\StudyEvent\Wave hello.sty)");
}

TEST_F(EventRegistryTest, RemovingKeepsTheOthersInOrderAndTheHeader) {
    for (const char* name : {"one", "two", "three"}) {
        EventRegistry::StoreEvent(name, std::string("C:\\") + name + ".exe");
    }
    EventRegistry::RemoveEvent("TWO");
    EXPECT_EQ(Listed(), (Names{"one", "three"}));
    EXPECT_EQ(EventRegistry::LookupEventPath("two"), "");
    EventRegistry::StoreEvent("two", R"(C:\again.exe)");  // a new event goes to the end
    EXPECT_EQ(Listed(), (Names{"one", "three", "two"}));
    for (const char* name : {"one", "two", "three"}) {
        EventRegistry::RemoveEvent(name);
    }
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(ReadWholeFile(EventConfigPath).substr(0, 13), "[EVENTCONFIG]");
}

TEST_F(EventRegistryTest, AnEmptyNameIsNeverStoredFoundOrRemoved) {
    EventRegistry::StoreEvent("", R"(C:\x.exe)");
    EXPECT_EQ(GetFileAttributesA(EventConfigPath.c_str()), INVALID_FILE_ATTRIBUTES);
    WriteWholeFile(EventConfigPath, "[EVENTCONFIG]\r\n\r\n=C:\\odd.exe\r\nA=1.exe\r\n");
    EXPECT_EQ(EventRegistry::LookupEventPath(""), "");
    EventRegistry::RemoveEvent("");
    EXPECT_EQ(ReadWholeFile(EventConfigPath), "[EVENTCONFIG]\r\n\r\n=C:\\odd.exe\r\nA=1.exe\r\n");
}

TEST_F(EventRegistryTest, ANameWithEqualsIsListedByItsFirstPartAndFoundAsTheRest) {
    EventRegistry::StoreEvent("a=b", R"(C:\W\StudyEvent\a=b.sty)");
    EXPECT_EQ(Listed(), Names{"a"});
    // The lookup of the listed text yields no path that names a file: it runs nothing.
    EXPECT_EQ(EventRegistry::LookupEventPath("a"), R"(b=C:\W\StudyEvent\a=b.sty)");
}

TEST_F(EventRegistryTest, LongPathsComeBackWhole) {
    for (std::size_t length : {1022u, 1023u, 1024u, 1025u, 5000u}) {
        std::string path = "C:\\" + std::string(length - 7, 'p') + ".exe";
        EventRegistry::StoreEvent("Long", path);
        EXPECT_EQ(EventRegistry::LookupEventPath("Long"), path) << length;
    }
}

TEST_F(EventRegistryTest, NamesInTheCodePageAndWithInnerBlanksAreKeptAsTyped) {
    const std::string names[] = {"Caf\xe9 au lait", "tab\there", "a;b", "x]"};
    for (const std::string& name : names) {
        EventRegistry::StoreEvent(name, "C:\\" + std::to_string(name.size()) + ".sty");
    }
    EXPECT_EQ(Listed(), Names(std::begin(names), std::end(names)));
    EXPECT_EQ(EventRegistry::LookupEventPath("CAF\xe9 AU LAIT"), "C:\\12.sty");
    EXPECT_EQ(EventRegistry::LookupEventPath("x]"), "C:\\2.sty");
}

TEST_F(EventRegistryTest,
       BlanksAroundANameMayBeDroppedByTheProfileFunctionsYetTheListedEntryFindsIt) {
    EventRegistry::StoreEvent("  Wave  ", R"(C:\W\StudyEvent\  Wave  .sty)");
    // The list shows the name as the file holds it (how many blanks stay is the platform's
    // choice); firing the listed entry, or the name as typed, finds the event.
    Names listed = Listed();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].find_first_not_of(' '), listed[0].find('W'));
    EXPECT_EQ(EventRegistry::LookupEventPath(listed[0]), R"(C:\W\StudyEvent\  Wave  .sty)");
    EXPECT_EQ(EventRegistry::LookupEventPath("Wave"), R"(C:\W\StudyEvent\  Wave  .sty)");
    EXPECT_EQ(EventRegistry::LookupEventPath("  Wave  "), R"(C:\W\StudyEvent\  Wave  .sty)");
}

struct HandEditedCase {
    const char* what;
    const char* file;
    Names listed;
    std::vector<std::pair<std::string, std::string>> lookups;  // name -> path found
};

class HandEditedFileTest : public EventRegistryTest,
                           public testing::WithParamInterface<HandEditedCase> {};

TEST_P(HandEditedFileTest, TheListShowsLinesWhileTheLookupFindsKeys) {
    WriteWholeFile(EventConfigPath, GetParam().file);
    EXPECT_EQ(Listed(), GetParam().listed);
    for (const auto& [name, path] : GetParam().lookups) {
        EXPECT_EQ(EventRegistry::LookupEventPath(name), path) << "lookup of \"" << name << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, HandEditedFileTest,
    testing::Values(HandEditedCase{"header only", "[EVENTCONFIG]\r\n", {}, {{"A", ""}}},
                    HandEditedCase{"blank line and comment",
                                   "[EVENTCONFIG]\r\n\r\n; my events\r\nA=C:\\a.exe\r\n",
                                   {"", "", "A"},
                                   {{"A", "C:\\a.exe"}, {"; my events", ""}}},
                    HandEditedCase{"second section",
                                   "[EVENTCONFIG]\r\nA=C:\\a.exe\r\n[OTHER]\r\nB=C:\\b.exe\r\n",
                                   {"A", "", "B"},
                                   {{"A", "C:\\a.exe"}, {"B", ""}, {"[OTHER]", ""}}},
                    HandEditedCase{"lower-case header",
                                   "[eventconfig]\r\nA=C:\\a.sty\r\n",
                                   {"", "A"},
                                   {{"A", "C:\\a.sty"}}},
                    HandEditedCase{"same name twice",
                                   "[EVENTCONFIG]\r\nA=C:\\first.exe\r\na=C:\\second.exe\r\n",
                                   {"A", "a"},
                                   {{"A", "C:\\first.exe"}, {"a", "C:\\first.exe"}}},
                    HandEditedCase{"blanks around the equals",
                                   "[EVENTCONFIG]\r\nA = C:\\a.exe\r\n",
                                   {"A "},
                                   {{"A", "C:\\a.exe"}}},
                    HandEditedCase{"line feeds only and no final line end",
                                   "[EVENTCONFIG]\nA=C:\\a.exe\nB=C:\\b.sty",
                                   {"A", "B"},
                                   {{"A", "C:\\a.exe"}, {"B", "C:\\b.sty"}}}),
    CaseName());

}  // namespace
