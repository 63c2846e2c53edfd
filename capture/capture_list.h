// The capture library's memory: every captured mouse action, in capture order, until the library
// is unloaded. Plain C++ so that the hook's work is unit-tested and measured natively.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/mouse_record.h"

// Mouse message numbers as the low-level hook receives them.
inline constexpr unsigned kMessageMouseMove = 0x0200;
inline constexpr unsigned kMessageLeftButtonDown = 0x0201;
inline constexpr unsigned kMessageLeftButtonUp = 0x0202;
inline constexpr unsigned kMessageRightButtonDown = 0x0204;
inline constexpr unsigned kMessageRightButtonUp = 0x0205;

// The action name recorded for a mouse message; empty for every message that is not captured
// (double clicks, the middle and extra buttons, the wheels).
std::string_view CapturedActionName(unsigned message) noexcept;

class CaptureList {
public:
    // Appends one record when `message` is captured; returns whether it did. Amortised constant
    // time, no I/O. When memory runs out the action is dropped rather than the host brought down.
    bool Append(unsigned message, std::int32_t x, std::int32_t y, std::uint32_t time) noexcept;

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(m_records.size()); }
    const std::vector<MouseRecord>& Records() const noexcept { return m_records; }

    // The whole recording file: the count, then every record.
    std::string FileBytes() const { return EncodeRecording(m_records); }

private:
    std::vector<MouseRecord> m_records;
};
