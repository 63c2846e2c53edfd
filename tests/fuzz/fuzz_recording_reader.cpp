// Feeds arbitrary bytes to the recording reader and the replay's planning, and checks what they
// promise: no crash, never more records than the bytes hold, every record read back exactly as
// it stands in the file, and no pause that would block input for weeks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "common/mouse_record.h"
#include "events/playback_schedule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<MouseRecord> records = DecodeRecording(bytes);

    std::size_t held = size < 4 ? 0 : (size - 4) / kMouseRecordSize;
    std::int32_t count = StoredRecordCount(bytes);
    std::size_t expected =
        count <= 0 ? 0 : std::min<std::size_t>(held, static_cast<std::size_t>(count));
    if (records.size() != expected) {
        std::abort();
    }
    // Writing what was read gives back the file's first bytes, apart from a count that promised
    // more than the file held.
    std::string again = EncodeRecording(records);
    if (again.size() > 4 && std::memcmp(again.data() + 4, data + 4, again.size() - 4) != 0) {
        std::abort();
    }
    for (const MouseRecord& r : records) {
        if (ActionNameOf(r).size() > kActionNameSize) {
            std::abort();
        }
    }
    std::vector<PlaybackStep> steps = PlanPlayback(records);
    if (steps.size() != records.size()) {
        std::abort();
    }
    for (const PlaybackStep& s : steps) {
        if (s.pauseBefore >= 0x80000000u) {
            std::abort();
        }
    }
    return 0;
}
