// The capture library's memory: which mouse messages become records, and in what form.
#include "capture/capture_list.h"

#include <gtest/gtest.h>

#include "capture/capture_path.h"

namespace {

struct MessageCase {
    unsigned message;
    const char* name;  // empty: not captured
};

class CapturedMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(CapturedMessageTest, OnlyMovesAndLeftAndRightButtonsAreRecorded) {
    CaptureList list;
    bool captured = *GetParam().name != '\0';
    EXPECT_EQ(list.Append(GetParam().message, 7, 8, 9), captured);
    EXPECT_EQ(CapturedActionName(GetParam().message), GetParam().name);
    ASSERT_EQ(list.Count(), captured ? 1 : 0);
    if (captured) {
        EXPECT_EQ(ActionNameOf(list.Records()[0]), GetParam().name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CapturedMessageTest,
    testing::Values(MessageCase{0x0200, "WM_MOUSEMOVE"}, MessageCase{0x0201, "WM_LBUTTONDOWN"},
                    MessageCase{0x0202, "WM_LBUTTONUP"}, MessageCase{0x0203, ""},  // double click
                    MessageCase{0x0204, "WM_RBUTTONDOWN"}, MessageCase{0x0205, "WM_RBUTTONUP"},
                    MessageCase{0x0206, ""}, MessageCase{0x0207, ""},  // middle button
                    MessageCase{0x0208, ""}, MessageCase{0x020A, ""},  // wheel
                    MessageCase{0x020B, ""}, MessageCase{0x020C, ""},  // extra buttons
                    MessageCase{0x020E, ""}, MessageCase{0x0000, ""}, MessageCase{0x01FF, ""},
                    MessageCase{0xFFFFFFFF, ""}));

TEST(CaptureList, KeepsEveryActionInOrderAndWritesThemAsOneFile) {
    CaptureList list;
    const int count = 1000;  // through many growths of the storage
    for (int i = 0; i < count; ++i) {
        list.Append(i % 2 ? kMessageMouseMove : kMessageRightButtonUp, i, -i,
                    0xFFFFFF00u + static_cast<unsigned>(i));
        list.Append(0x020A, 0, 0, 0);  // wheel: nothing
    }
    ASSERT_EQ(list.Count(), count);
    std::vector<MouseRecord> read = DecodeRecording(list.FileBytes());
    ASSERT_EQ(read.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(ActionNameOf(read[i]), i % 2 ? kMouseMove : kRightButtonUp);
        EXPECT_EQ(read[i].x, i);
        EXPECT_EQ(read[i].y, -i);
        EXPECT_EQ(read[i].time, 0xFFFFFF00u + static_cast<unsigned>(i));
    }
    EXPECT_EQ(list.FileBytes().size(), 4u + 44u * count);
}

TEST(CaptureList, AnEmptyListIsAFileOfCountZero) {
    EXPECT_EQ(CaptureList().FileBytes(), std::string(4, '\0'));
}

struct PathCase {
    const char* programFile;
    const char* capturePath;
};

class CapturePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(CapturePathTest, IsStudyTmpInTheHostProgramsDirectory) {
    EXPECT_EQ(CapturePathFor(GetParam().programFile), GetParam().capturePath);
}

INSTANTIATE_TEST_SUITE_P(
    Hosts, CapturePathTest,
    testing::Values(PathCase{R"(C:\Tools\Whiskertime.exe)", R"(C:\Tools\study.tmp)"},
                    // A program file under another name still records beside itself...
                    PathCase{R"(C:\Tools\clock.exe)", R"(C:\Tools\study.tmp)"},
                    // ...and so does one below a directory whose name holds the program's name.
                    PathCase{R"(C:\Whiskertime.exe.old\Whiskertime.exe)",
                             R"(C:\Whiskertime.exe.old\study.tmp)"},
                    PathCase{R"(\\server\share\Whiskertime.exe)", R"(\\server\share\study.tmp)"}));

}  // namespace
