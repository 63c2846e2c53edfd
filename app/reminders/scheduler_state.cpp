#include "reminders/scheduler_state.h"

#include <cstdint>
#include <limits>

#include "ui/text_file.h"

namespace {

constexpr std::string_view kLookedKey = "looked=";
constexpr std::string_view kHandledKey = "handled=";

// A whole decimal number, optionally negative, that fits an Instant; the count of characters
// read is left in `used`.
std::optional<Instant> ReadInstant(std::string_view text, std::size_t& used) {
    std::size_t i = 0;
    bool negative = i < text.size() && text[i] == '-';
    if (negative) {
        ++i;
    }
    const std::size_t digitsStart = i;
    Instant value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (std::numeric_limits<Instant>::max() - 9) / 10) {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    if (i == digitsStart) {
        return std::nullopt;
    }
    used = i;
    return negative ? -value : value;
}

}  // namespace

std::string EncodeSchedulerState(const SchedulerState& state) {
    std::string text = "looked=" + std::to_string(state.lookedUpTo) + "\r\n";
    for (const auto& [timeText, moment] : state.handledAhead) {
        text += "handled=" + std::to_string(moment) + " " + timeText + "\r\n";
    }
    return text;
}

std::optional<SchedulerState> ParseSchedulerState(std::string_view text) {
    SchedulerState state;
    bool looked = false;
    ForEachLine(text, [&](std::string_view line) {
        std::size_t used = 0;
        if (line.substr(0, kLookedKey.size()) == kLookedKey) {
            line.remove_prefix(kLookedKey.size());
            std::optional<Instant> value = ReadInstant(line, used);
            if (value && used == line.size()) {
                state.lookedUpTo = *value;
                looked = true;
            }
        } else if (line.substr(0, kHandledKey.size()) == kHandledKey) {
            line.remove_prefix(kHandledKey.size());
            std::optional<Instant> value = ReadInstant(line, used);
            if (value && used < line.size() && line[used] == ' ') {
                state.handledAhead[std::string(line.substr(used + 1))] = *value;
            }
        }
    });
    if (!looked) {
        return std::nullopt;
    }
    return state;
}
