#include "paths/app_paths.h"
#include "paths/instance_name.h"

#include <gtest/gtest.h>

struct DirectoryCase {
    const char* programFile;
    const char* directory;
};

class DirectoryOfProgramFileTest : public testing::TestWithParam<DirectoryCase> {};

TEST_P(DirectoryOfProgramFileTest, KeepsDriveAndDirectoryWithTrailingBackslash) {
    EXPECT_EQ(DirectoryOfProgramFile(GetParam().programFile), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DirectoryOfProgramFileTest,
    testing::Values(
        DirectoryCase{R"(C:\Tools\Clock\Whiskertime.exe)", R"(C:\Tools\Clock\)"},
        DirectoryCase{R"(D:\Whiskertime.exe)", R"(D:\)"},
        DirectoryCase{R"(\\server\share\tools\Whiskertime.exe)", R"(\\server\share\tools\)"},
        DirectoryCase{R"(C:\Tools\clock.exe)", R"(C:\Tools\)"},
        DirectoryCase{R"(C:\Whiskertime.exe.d\Whiskertime.exe)", R"(C:\Whiskertime.exe.d\)"},
        DirectoryCase{"C:/mixed/slashes\\Whiskertime.exe", "C:/mixed/slashes\\"},
        DirectoryCase{"Whiskertime.exe", ""}, DirectoryCase{"", ""}));

TEST(AppPaths, JoinsFixedNamesToTheDirectoryAndAlwaysNamesTheProgramWhiskertime) {
    // A program saved as clock.exe still points every file beside itself...
    SetAppPaths(DirectoryOfProgramFile(R"(E:\bin\clock.exe)"));
    EXPECT_EQ(EventConfigPath, R"(E:\bin\eventconfig.ini)");
    EXPECT_EQ(ReminderConfigPath, R"(E:\bin\userconfig.ini)");
    EXPECT_EQ(SkinPath, R"(E:\bin\mouse.skin)");
    EXPECT_EQ(SchedulerStatePath, R"(E:\bin\scheduler.state)");
    // ...but the auto-start entry names Whiskertime.exe.
    EXPECT_EQ(ProgramPath, R"(E:\bin\Whiskertime.exe)");
}

TEST(AppPaths, AnUnknownDirectoryLeavesBareFileNames) {
    SetAppPaths("");
    EXPECT_EQ(ReminderConfigPath, "userconfig.ini");
    EXPECT_EQ(ProgramPath, "Whiskertime.exe");
}

namespace {

TEST(InstanceObjectName, OneNamePerFolderWhateverItsLetterCase) {
    const std::string tools = InstanceObjectName(R"(C:\Tools\Clock\)");
    EXPECT_EQ(tools.rfind("Local\\Whiskertime-", 0), 0u) << tools;
    EXPECT_EQ(tools.size(), std::string("Local\\Whiskertime-").size() + 16);
    EXPECT_EQ(InstanceObjectName(R"(c:\tools\clock\)"), tools);
    EXPECT_EQ(InstanceObjectName("C:/Tools/Clock/"), tools);
    EXPECT_NE(InstanceObjectName(R"(C:\Tools\Clock2\)"), tools);
    EXPECT_NE(InstanceObjectName(R"(D:\Tools\Clock\)"), tools);
    EXPECT_EQ(InstanceObjectName(R"(C:\Tools\Clock\)", "-window"), tools + "-window");
    EXPECT_EQ(tools.find('\\', 6), std::string::npos) << "one backslash only, after Local";
}

}  // namespace
