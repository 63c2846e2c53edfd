#include "common/mouse_record.h"

#include <algorithm>
#include <cstring>

namespace {

void PutUint32(unsigned char* out, std::uint32_t value) {
    out[0] = static_cast<unsigned char>(value);
    out[1] = static_cast<unsigned char>(value >> 8);
    out[2] = static_cast<unsigned char>(value >> 16);
    out[3] = static_cast<unsigned char>(value >> 24);
}

std::uint32_t GetUint32(const unsigned char* in) {
    return static_cast<std::uint32_t>(in[0]) | static_cast<std::uint32_t>(in[1]) << 8 |
           static_cast<std::uint32_t>(in[2]) << 16 | static_cast<std::uint32_t>(in[3]) << 24;
}

}  // namespace

std::string_view ActionNameOf(const MouseRecord& record) {
    const char* begin = record.actionName.data();
    const void* terminator = std::memchr(begin, '\0', kActionNameSize);
    std::size_t length =
        terminator ? static_cast<std::size_t>(static_cast<const char*>(terminator) - begin)
                   : kActionNameSize;
    return std::string_view(begin, length);
}

void SetActionName(MouseRecord& record, std::string_view name) {
    record.actionName.fill('\0');
    std::size_t length = std::min(name.size(), kActionNameSize - 1);
    std::copy_n(name.data(), length, record.actionName.data());
}

MouseRecord MakeMouseRecord(std::string_view name, std::int32_t x, std::int32_t y,
                            std::uint32_t time) {
    MouseRecord record;
    SetActionName(record, name);
    record.x = x;
    record.y = y;
    record.time = time;
    return record;
}

void EncodeMouseRecord(const MouseRecord& record, unsigned char* bytes) {
    std::memcpy(bytes, record.actionName.data(), kActionNameSize);
    PutUint32(bytes + 32, static_cast<std::uint32_t>(record.x));
    PutUint32(bytes + 36, static_cast<std::uint32_t>(record.y));
    PutUint32(bytes + 40, record.time);
}

MouseRecord DecodeMouseRecord(const unsigned char* bytes) {
    MouseRecord record;
    std::memcpy(record.actionName.data(), bytes, kActionNameSize);
    record.x = static_cast<std::int32_t>(GetUint32(bytes + 32));
    record.y = static_cast<std::int32_t>(GetUint32(bytes + 36));
    record.time = GetUint32(bytes + 40);
    return record;
}

std::string EncodeRecording(const MouseRecord* records, std::size_t count) {
    std::string bytes(kRecordCountSize + kMouseRecordSize * count, '\0');
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    PutUint32(out, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        EncodeMouseRecord(records[i], out + kRecordCountSize + kMouseRecordSize * i);
    }
    return bytes;
}

std::string EncodeRecording(const std::vector<MouseRecord>& records) {
    return EncodeRecording(records.data(), records.size());
}

std::int32_t StoredRecordCount(std::string_view header) {
    if (header.size() < kRecordCountSize) {
        return 0;
    }
    // Conversion to a signed type wraps (two's complement) since C++20.
    return static_cast<std::int32_t>(
        GetUint32(reinterpret_cast<const unsigned char*>(header.data())));
}

std::size_t CompleteRecordCount(std::int32_t storedCount, std::uint64_t bytesAfterCount) {
    if (storedCount <= 0) {
        return 0;
    }
    std::uint64_t held = bytesAfterCount / kMouseRecordSize;
    return static_cast<std::size_t>(std::min<std::uint64_t>(held, storedCount));
}

std::vector<MouseRecord> DecodeRecording(std::string_view fileBytes) {
    std::vector<MouseRecord> records;
    if (fileBytes.size() < kRecordCountSize) {
        return records;
    }
    std::size_t count =
        CompleteRecordCount(StoredRecordCount(fileBytes), fileBytes.size() - kRecordCountSize);
    records.reserve(count);
    auto* in = reinterpret_cast<const unsigned char*>(fileBytes.data()) + kRecordCountSize;
    for (std::size_t i = 0; i < count; ++i) {
        records.push_back(DecodeMouseRecord(in + kMouseRecordSize * i));
    }
    return records;
}
