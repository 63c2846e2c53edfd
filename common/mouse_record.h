// One captured mouse action and the recording file that holds a list of them. The capture
// library writes recordings, the program copies and replays them; neither knows a window here.
//
// Recording file, all integers little-endian, no magic number or version:
//   offset 0        4 bytes   record count N, signed (N <= 0 is an empty recording)
//   offset 4 + 44i  44 bytes  record i, in capture order
// Record: 32 bytes action name (ASCII, NUL-terminated, the bytes after the terminator carry no
// meaning), x (signed 32-bit), y (signed 32-bit), time (unsigned 32-bit milliseconds, a tick
// count that wraps). Bytes after the N-th record (the tail of an earlier, longer recording that
// was written over in place) are not part of the recording.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kActionNameSize = 32;
inline constexpr std::size_t kMouseRecordSize = 44;
inline constexpr std::size_t kRecordCountSize = 4;

// The action names that are recorded, one per captured mouse message.
inline constexpr std::string_view kMouseMove = "WM_MOUSEMOVE";
inline constexpr std::string_view kLeftButtonDown = "WM_LBUTTONDOWN";
inline constexpr std::string_view kLeftButtonUp = "WM_LBUTTONUP";
inline constexpr std::string_view kRightButtonDown = "WM_RBUTTONDOWN";
inline constexpr std::string_view kRightButtonUp = "WM_RBUTTONUP";

struct MouseRecord {
    std::array<char, kActionNameSize> actionName{};
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t time = 0;
};

// The name up to its terminator (all 32 bytes when a damaged record has none).
std::string_view ActionNameOf(const MouseRecord& record);

// Stores `name` (cut to 31 characters) with its terminator; the rest of the field is zeroed.
void SetActionName(MouseRecord& record, std::string_view name);

MouseRecord MakeMouseRecord(std::string_view name, std::int32_t x, std::int32_t y,
                            std::uint32_t time);

// The 44 bytes of one record, and back. `bytes` must hold kMouseRecordSize bytes.
void EncodeMouseRecord(const MouseRecord& record, unsigned char* bytes);
MouseRecord DecodeMouseRecord(const unsigned char* bytes);

// A whole recording file: the count, then every record.
std::string EncodeRecording(const MouseRecord* records, std::size_t count);
std::string EncodeRecording(const std::vector<MouseRecord>& records);

// The count stored in a file's first four bytes; 0 when fewer than four are given.
std::int32_t StoredRecordCount(std::string_view header);

// How many records a reader takes: the stored count, but never more complete records than the
// bytes after the count hold (a damaged file promises more than it has); 0 for a count <= 0.
std::size_t CompleteRecordCount(std::int32_t storedCount, std::uint64_t bytesAfterCount);

// Reads a recording from the file's bytes: the complete records the count names, in file order.
// Never fails: a damaged file yields the records it holds; the bytes after them are ignored.
std::vector<MouseRecord> DecodeRecording(std::string_view fileBytes);
