// Scurrylog.dll loaded by a test host, as the recorder loads it: the hook installed, mouse input
// injected, the recording file checked byte for byte against what the hook chain saw.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/capture_list.h"
#include "capture/scurrylog.h"
#include "common/mouse_record.h"
#include "mouse_observer.h"
#include "temp_directory.h"
#include "ui/handles.h"

namespace {

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    return directory.erase(directory.find_last_of('\\') + 1);
}

// The records the capture library should have written for what the hook chain saw.
std::string ExpectedFile(const std::vector<ObservedEvent>& events) {
    std::vector<MouseRecord> records;
    for (const ObservedEvent& e : events) {
        std::string_view name = CapturedActionName(e.message);
        if (!name.empty()) {
            records.push_back(MakeMouseRecord(name, e.pt.x, e.pt.y, e.time));
        }
    }
    return EncodeRecording(records);
}

class CaptureLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteFileA(m_studyPath.c_str());
        ASSERT_TRUE(PlaceCursor(400, 300)) << "the cursor cannot be placed";
        m_observer.Forget();  // the placing moves are not the test's
    }
    void TearDown() override { DeleteFileA(m_studyPath.c_str()); }

    void Load() {
        m_library = Library((ProgramDirectory() + "Scurrylog.dll").c_str());
        ASSERT_TRUE(m_library);
        m_install = m_library.Find<InstallMouseHookFunction>(kInstallMouseHookName);
        m_end = m_library.Find<EndMouseHookFunction>(kEndMouseHookName);
        ASSERT_NE(m_install, nullptr);
        ASSERT_NE(m_end, nullptr);
    }

    // Injects one event and waits until the hook chain has passed it to the observer.
    void Send(DWORD flags, LONG dx = 0, LONG dy = 0, DWORD data = 0) {
        std::size_t seen = m_observer.Events().size();
        Inject(flags, dx, dy, data);
        ASSERT_TRUE(m_observer.WaitForEvents(seen + 1)) << "event " << std::hex << flags;
    }

    const std::string m_studyPath = ProgramDirectory() + "study.tmp";
    MouseObserver m_observer;  // before the library's hook, so it sees what that hook passes on
    Library m_library;
    InstallMouseHookFunction m_install = nullptr;
    EndMouseHookFunction m_end = nullptr;
};

TEST_F(CaptureLibraryTest, RecordsMovesAndLeftAndRightButtonsAndPassesEveryEventOn) {
    Load();
    ASSERT_NE(m_install(), nullptr);
    Send(MOUSEEVENTF_MOVE, 4, 3);
    Send(MOUSEEVENTF_LEFTDOWN);
    Send(MOUSEEVENTF_LEFTUP);
    mouse_event(MOUSEEVENTF_MOVE, static_cast<DWORD>(-5), 2, 0, 0);
    ASSERT_TRUE(m_observer.WaitForEvents(4));
    Send(MOUSEEVENTF_RIGHTDOWN);
    Send(MOUSEEVENTF_RIGHTUP);
    Send(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA);
    Send(MOUSEEVENTF_MIDDLEDOWN);
    Send(MOUSEEVENTF_MIDDLEUP);
    Send(MOUSEEVENTF_MOVE, 1, 1);
    EXPECT_TRUE(m_end());

    // Every event reached the next hook, the wheel and the middle button included...
    std::vector<unsigned> seen;
    for (const ObservedEvent& e : m_observer.Events()) {
        seen.push_back(e.message);
    }
    EXPECT_EQ(seen, (std::vector<unsigned>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE,
                                           WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL,
                                           WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEMOVE}));
    // ...and the file holds the seven captured ones, record by record.
    const std::string expected = ExpectedFile(m_observer.Events());
    const std::string file = ReadWholeFile(m_studyPath);
    ASSERT_EQ(file.size(), 4u + 44u * 7);
    EXPECT_EQ(StoredRecordCount(file), 7);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(file.substr(4 + 44 * i, 44), expected.substr(4 + 44 * i, 44)) << "record " << i;
    }
    // The positions are the cursor's on the screen, not the relative motion injected (moves of
    // a few pixels, below any pointer acceleration).
    std::vector<MouseRecord> records = DecodeRecording(file);
    EXPECT_EQ(records[0].x, 404);
    EXPECT_EQ(records[0].y, 303);
    EXPECT_EQ(records[3].x, 399);
    EXPECT_EQ(records[3].y, 305);
}

TEST_F(CaptureLibraryTest, EndingRightAfterInstallingWritesACountOfZero) {
    Load();
    m_install();
    EXPECT_TRUE(m_end());
    EXPECT_EQ(ReadWholeFile(m_studyPath), std::string(4, '\0'));
}

TEST_F(CaptureLibraryTest, WritesOverALongerFileInPlaceAndASecondEndWritesTheSameAgain) {
    const std::string earlier = std::string(4 + 44 * 5, '\xAB') + "tail of an earlier recording";
    WriteWholeFile(m_studyPath, earlier);
    Load();
    m_install();
    Send(MOUSEEVENTF_MOVE, 3, 3);
    Send(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_TRUE(m_end());

    const std::string recording = ExpectedFile(m_observer.Events());
    ASSERT_EQ(recording.size(), 4u + 44 * 2);
    const std::string written = ReadWholeFile(m_studyPath);
    EXPECT_EQ(written, recording + earlier.substr(recording.size()));
    EXPECT_EQ(DecodeRecording(written).size(), 2u);  // a reader follows the count

    EXPECT_TRUE(m_end());
    EXPECT_EQ(ReadWholeFile(m_studyPath), written);

    // Capturing again within the same load adds to the earlier records.
    m_install();
    Send(MOUSEEVENTF_RIGHTUP);
    m_end();
    EXPECT_EQ(ReadWholeFile(m_studyPath).substr(0, 4 + 44 * 3), ExpectedFile(m_observer.Events()));
}

TEST_F(CaptureLibraryTest, InstallingAgainReplacesTheHookSoEachEventIsCapturedOnce) {
    Load();
    m_install();
    ASSERT_NE(m_install(), nullptr);
    Send(MOUSEEVENTF_LEFTDOWN);
    Send(MOUSEEVENTF_LEFTUP);
    m_end();
    EXPECT_EQ(ReadWholeFile(m_studyPath), ExpectedFile(m_observer.Events()));
    EXPECT_EQ(StoredRecordCount(ReadWholeFile(m_studyPath)), 2);
}

TEST_F(CaptureLibraryTest, AFreshLoadStartsWithAnEmptyList) {
    Load();
    m_install();
    Send(MOUSEEVENTF_MOVE, 2, 2);
    m_end();
    m_library.Reset();
    Load();
    m_install();
    m_end();
    // Count 0 written over the one-record file of the earlier load; its record is only a tail.
    const std::string file = ReadWholeFile(m_studyPath);
    EXPECT_EQ(file.size(), 4u + 44);
    EXPECT_EQ(file.substr(0, 4), std::string(4, '\0'));
    EXPECT_TRUE(DecodeRecording(file).empty());
}

TEST_F(CaptureLibraryTest, UnloadingWhileCapturingLeavesTheHostWorking) {
    Load();
    m_install();
    m_library.Reset();
    // The hook went with the library; the next event must not call into unloaded code.
    Send(MOUSEEVENTF_MOVE, 5, 5);
    Send(MOUSEEVENTF_LEFTDOWN);
    EXPECT_FALSE(FileExists(m_studyPath));
}

TEST_F(CaptureLibraryTest, AFileHeldOpenByAnotherWriterIsLeftAloneAndTheRecordsKept) {
    Load();
    m_install();
    Send(MOUSEEVENTF_MOVE, 4, 4);
    {
        UniqueHandle held(CreateFileA(m_studyPath.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(m_end());
    }
    EXPECT_EQ(ReadWholeFile(m_studyPath), "");
    EXPECT_TRUE(m_end());
    EXPECT_EQ(ReadWholeFile(m_studyPath), ExpectedFile(m_observer.Events()));
}

struct HostCase {
    const char* directory;
    const char* programFile;
};

class CapturePathTest : public testing::TestWithParam<HostCase> {};

// The recording goes beside the host program's file whatever it and its directories are called,
// where the program itself looks for it.
TEST_P(CapturePathTest, TheRecordingGoesBesideTheHostProgram) {
    TempDirectory root;
    const std::string directory = root.Path() + GetParam().directory + "\\";
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));
    const std::string host = directory + GetParam().programFile;
    ASSERT_TRUE(CopyFileA((ProgramDirectory() + "capture_host.exe").c_str(), host.c_str(), TRUE));
    ASSERT_TRUE(CopyFileA((ProgramDirectory() + "Scurrylog.dll").c_str(),
                          (directory + "Scurrylog.dll").c_str(), TRUE));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + host + "\"";
    ASSERT_TRUE(CreateProcessA(host.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, directory.c_str(), &startup, &process));
    UniqueHandle processHandle(process.hProcess);
    UniqueHandle threadHandle(process.hThread);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);

    EXPECT_EQ(ReadWholeFile(directory + "study.tmp"), std::string(4, '\0'));
    EXPECT_FALSE(FileExists(root.Path() + "study.tmp"));
}

INSTANTIATE_TEST_SUITE_P(Hosts, CapturePathTest,
                         testing::Values(HostCase{"plain", "Whiskertime.exe"},
                                         HostCase{"plain", "clock.exe"},
                                         HostCase{"Whiskertime.exe.d", "Whiskertime.exe"},
                                         HostCase{"old Whiskertime.exe copy", "renamed.exe"}));

}  // namespace
