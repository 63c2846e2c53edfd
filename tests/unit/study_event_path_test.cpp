// A study event's recording path, and the names that may not form one.
#include "events/study_event_path.h"

#include <gtest/gtest.h>

namespace {

const std::string kDirectory = "C:\\Apps\\Whiskertime\\";

TEST(StudyEventPath, IsTheNameWithItsSuffixInTheRecordingsFolder) {
    EXPECT_EQ(StudyEventFilePath(kDirectory, "Login"),
              "C:\\Apps\\Whiskertime\\StudyEvent\\Login.sty");
    EXPECT_EQ(StudyEventFilePath(kDirectory, "two words. and a dot"),
              "C:\\Apps\\Whiskertime\\StudyEvent\\two words. and a dot.sty");
    EXPECT_EQ(StudyEventFilePath(kDirectory, "backup.exe"),
              "C:\\Apps\\Whiskertime\\StudyEvent\\backup.exe.sty");
}

TEST(StudyEventPath, NamesThatCouldLeaveTheFolderHaveNoFile) {
    for (const char* name : {"..\\userconfig", "a\\b", "a/b", "C:evil", "..", "x..y", "/",
                             "\\\\server\\share\\x", "a*", "what?", "say \"hi\"", "<tag>", "a|b"}) {
        EXPECT_EQ(StudyEventFilePath(kDirectory, name), std::nullopt) << name;
    }
}

}  // namespace
