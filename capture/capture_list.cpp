#include "capture/capture_list.h"

#include <limits>
#include <new>

namespace {

// One ready-made record per captured message: appending copies it and fills in the position and
// the time, so the hook never formats a name.
struct Template {
    unsigned message;
    MouseRecord record;
};

const Template* FindTemplate(unsigned message) noexcept {
    static const Template templates[] = {
        {kMessageMouseMove, MakeMouseRecord(kMouseMove, 0, 0, 0)},
        {kMessageLeftButtonDown, MakeMouseRecord(kLeftButtonDown, 0, 0, 0)},
        {kMessageLeftButtonUp, MakeMouseRecord(kLeftButtonUp, 0, 0, 0)},
        {kMessageRightButtonDown, MakeMouseRecord(kRightButtonDown, 0, 0, 0)},
        {kMessageRightButtonUp, MakeMouseRecord(kRightButtonUp, 0, 0, 0)},
    };
    for (const Template& t : templates) {
        if (t.message == message) {
            return &t;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view CapturedActionName(unsigned message) noexcept {
    const Template* t = FindTemplate(message);
    return t ? ActionNameOf(t->record) : std::string_view{};
}

bool CaptureList::Append(unsigned message, std::int32_t x, std::int32_t y,
                         std::uint32_t time) noexcept {
    const Template* t = FindTemplate(message);
    // The file's count is a signed 32-bit number; a list that long cannot be written anyway.
    if (!t ||
        m_records.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    try {
        MouseRecord& record = m_records.emplace_back(t->record);
        record.x = x;
        record.y = y;
        record.time = time;
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
