// The recording file format, byte for byte, and what readers make of damaged files.
#include "common/mouse_record.h"
#include "tests/case_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) {
        s += static_cast<char>(v);
    }
    return s;
}

std::string Name(const char* text) {
    std::string field(text);
    field.resize(kActionNameSize, '\0');
    return field;
}

// One left click at (100, 200), pressed at 5000 ms and released at 5120 ms.
const std::string kClickFile = Bytes({0x02, 0, 0, 0}) + Name("WM_LBUTTONDOWN") +
                               Bytes({0x64, 0, 0, 0, 0xC8, 0, 0, 0, 0x88, 0x13, 0, 0}) +
                               Name("WM_LBUTTONUP") +
                               Bytes({0x64, 0, 0, 0, 0xC8, 0, 0, 0, 0x00, 0x14, 0, 0});

const std::vector<MouseRecord> kClick = {MakeMouseRecord(kLeftButtonDown, 100, 200, 5000),
                                         MakeMouseRecord(kLeftButtonUp, 100, 200, 5120)};

void ExpectSameRecords(const std::vector<MouseRecord>& actual,
                       const std::vector<MouseRecord>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].actionName, expected[i].actionName) << "record " << i;
        EXPECT_EQ(actual[i].x, expected[i].x) << "record " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "record " << i;
        EXPECT_EQ(actual[i].time, expected[i].time) << "record " << i;
    }
}

TEST(RecordingFile, AClickIsThe92ByteFileOfTheFormat) {
    ASSERT_EQ(kClickFile.size(), 92u);
    EXPECT_EQ(EncodeRecording(kClick), kClickFile);
    ExpectSameRecords(DecodeRecording(kClickFile), kClick);
}

TEST(RecordingFile, NamesFillTheirFieldWithTheTerminatorAndZeroBytesAfterIt) {
    for (std::string_view name :
         {kMouseMove, kLeftButtonDown, kLeftButtonUp, kRightButtonDown, kRightButtonUp}) {
        std::string bytes = EncodeRecording({MakeMouseRecord(name, 0, 0, 0)});
        std::string field = bytes.substr(kRecordCountSize, kActionNameSize);
        EXPECT_EQ(field, Name(std::string(name).c_str())) << name;
    }
    // The two button-down names take 15 bytes with their terminator, the others 13.
    EXPECT_EQ(kLeftButtonDown.size() + 1, 15u);
    EXPECT_EQ(kMouseMove.size() + 1, 13u);
}

TEST(RecordingFile, NegativeCoordinatesAndWrappingTimesSurviveTheRoundTrip) {
    // Monitors left of or above the primary one have negative coordinates.
    const std::vector<MouseRecord> records = {
        MakeMouseRecord(kMouseMove, -1920, -1, 0xFFFFFFF0u),
        MakeMouseRecord(kRightButtonDown, 2147483647, -2147483647 - 1, 0x10u),
    };
    std::string bytes = EncodeRecording(records);
    EXPECT_EQ(bytes.substr(4 + 32, 4), Bytes({0x80, 0xF8, 0xFF, 0xFF}));  // -1920
    ExpectSameRecords(DecodeRecording(bytes), records);
}

TEST(RecordingFile, ANameWithoutTerminatorReadsAsAll32Bytes) {
    MouseRecord record = DecodeMouseRecord(reinterpret_cast<const unsigned char*>(
        (std::string(32, 'A') + std::string(12, '\0')).data()));
    EXPECT_EQ(ActionNameOf(record), std::string(32, 'A'));
    // Bytes after a terminator are kept as they were but are not part of the name.
    std::string field = "WM_MOUSEMOVE" + std::string(1, '\0') + "junk";
    field.resize(44, '\x7f');
    record = DecodeMouseRecord(reinterpret_cast<const unsigned char*>(field.data()));
    EXPECT_EQ(ActionNameOf(record), kMouseMove);
}

struct DamagedCase {
    const char* what;
    std::string bytes;
    std::size_t records;
};

class DamagedRecordingTest : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRecordingTest, ReadsOnlyTheCompleteRecordsTheCountNames) {
    std::vector<MouseRecord> records = DecodeRecording(GetParam().bytes);
    ASSERT_EQ(records.size(), GetParam().records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        ExpectSameRecords({records[i]}, {kClick[i]});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedRecordingTest,
    testing::Values(
        DamagedCase{"empty file", "", 0}, DamagedCase{"cut count", Bytes({2, 0}), 0},
        DamagedCase{"count zero", Bytes({0, 0, 0, 0}) + kClickFile.substr(4), 0},
        DamagedCase{"negative count", Bytes({0xFE, 0xFF, 0xFF, 0xFF}) + kClickFile.substr(4), 0},
        DamagedCase{"count beyond the file", Bytes({0xFF, 0xFF, 0xFF, 0x7F}) + kClickFile.substr(4),
                    2},
        DamagedCase{"last record cut", kClickFile.substr(0, 91), 1},
        DamagedCase{"tail of a longer recording", Bytes({1, 0, 0, 0}) + kClickFile.substr(4), 1},
        DamagedCase{"garbage after the records", kClickFile + std::string(43, '\xff'), 2}),
    CaseName());

TEST(RecordingFile, CompleteRecordCountNeverExceedsWhatTheBytesHold) {
    EXPECT_EQ(CompleteRecordCount(2147483647, 0), 0u);
    EXPECT_EQ(CompleteRecordCount(2147483647, 44 * 3 + 43), 3u);
    EXPECT_EQ(CompleteRecordCount(3, 44 * 100), 3u);
    EXPECT_EQ(CompleteRecordCount(-5, 44 * 100), 0u);
}

}  // namespace
