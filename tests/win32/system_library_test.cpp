// System libraries come from the system folder, never from beside the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ui/handles.h"

namespace {

TEST(SystemLibrary, IsLoadedFromTheSystemFolderAndAnythingElseIsNot) {
    char system[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryA(system, MAX_PATH), 0u);
    Library winmm = Library::System("winmm.dll");
    ASSERT_TRUE(winmm.IsLoaded());
    char loaded[MAX_PATH] = {};
    GetModuleFileNameA(winmm.Get(), loaded, MAX_PATH);
    EXPECT_EQ(lstrcmpiA(std::string(loaded).substr(0, lstrlenA(system)).c_str(), system), 0)
        << loaded;
    EXPECT_FALSE(Library::System("Scurrylog.dll").IsLoaded()) << "not a system library";
}

}  // namespace
