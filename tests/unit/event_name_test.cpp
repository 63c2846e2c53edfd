// The one rule for event names, for both dialogs that store them.
#include "events/event_name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    const char* stored;  // what the registry holds under the name, in any letter case
    bool study;          // allowed for a study event
    bool program;        // allowed for a program event
};

TEST(EventNameTest, RefusesNamesTheRegistryOrAFileCannotHoldAndNamesTaken) {
    for (const NameCase& c : {
             NameCase{"Backup", "", true, true},
             NameCase{"Morning routine 2", "", true, true},
             NameCase{"Zażółć", "", true, true},
             NameCase{"v1.2", "", true, true},
             NameCase{"", "", false, false},
             NameCase{"a=b", "", false, false},
             NameCase{"=", "", false, false},
             NameCase{"[section", "", false, false},
             NameCase{";comment", "", false, false},
             NameCase{"mid[dle];", "", true, true},
             NameCase{" lead", "", false, false},
             NameCase{"trail ", "", false, false},
             NameCase{"tab\t", "", false, false},
             NameCase{"CON", "", false, false},
             NameCase{"con", "", false, false},
             NameCase{"Nul.txt", "", false, false},
             NameCase{"aux .log", "", false, false},
             NameCase{"PRN", "", false, false},
             NameCase{"COM1", "", false, false},
             NameCase{"lpt9.sty", "", false, false},
             NameCase{"COM0", "", true, true},
             NameCase{"COM10", "", true, true},
             NameCase{"CONSOLE", "", true, true},
             NameCase{"a\\b", "", false, false},
             NameCase{"a/b", "", false, false},
             NameCase{"c:x", "", false, false},
             NameCase{"what?", "", false, false},
             NameCase{"star*", "", false, false},
             NameCase{"\"quoted\"", "", false, false},
             NameCase{"<angle>", "", false, false},
             NameCase{"pipe|", "", false, false},
             NameCase{"up..", "", false, false},
             NameCase{"line\nbreak", "", false, false},
             // Taken: a study event never reuses a name; a program event may be added anew under
             // its own name, but never over a recording's.
             NameCase{"backup", "C:\\Tools\\backup.exe", false, true},
             NameCase{"Walk", "C:\\W\\StudyEvent\\Walk.sty", false, false},
             NameCase{"Odd", "C:\\odd.txt", false, true},
         }) {
        EXPECT_EQ(IsEventNameAllowed(c.name, EventNameUse::Study, c.stored), c.study)
            << "study event \"" << c.name << "\"";
        EXPECT_EQ(IsEventNameAllowed(c.name, EventNameUse::Program, c.stored), c.program)
            << "program event \"" << c.name << "\"";
    }
}

}  // namespace
