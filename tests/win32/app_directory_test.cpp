#include <windows.h>

#include <gtest/gtest.h>

#include "paths/app_paths.h"
#include "temp_directory.h"

namespace {

std::string ModuleFile() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(GetAppDirectory, IsTheDirectoryOfTheRunningProgramWhateverTheWorkingDirectory) {
    std::string module = ModuleFile();
    std::string expected = module.substr(0, module.find_last_of('\\') + 1);

    std::string directory = "previous text is replaced";
    GetAppDirectory(directory);
    EXPECT_EQ(directory, expected);
    EXPECT_EQ(directory.back(), '\\');

    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    TempDirectory elsewhere;
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Path().c_str()));
    GetAppDirectory(directory);
    SetCurrentDirectoryA(saved);
    EXPECT_EQ(directory, expected);
}

TEST(GetAppDirectory, GivesThePathsBesideTheProgram) {
    std::string directory;
    GetAppDirectory(directory);
    SetAppPaths(directory);
    EXPECT_EQ(ReminderConfigPath, directory + "userconfig.ini");
    EXPECT_EQ(EventConfigPath, directory + "eventconfig.ini");
    EXPECT_EQ(ProgramPath, directory + "Whiskertime.exe");
    EXPECT_EQ(SkinPath, directory + "mouse.skin");
}

}  // namespace
