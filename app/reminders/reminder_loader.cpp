#include "reminder_loader.h"

#include <string>
#include <string_view>

namespace {

// The text after the first "=", or the whole line when it has none.
std::string ValueOf(std::string_view line) {
    std::size_t equals = line.find('=');
    return std::string(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

}  // namespace

void ReadReminders(std::istream& in, std::vector<Reminder>& list) {
    std::string line;
    Reminder pending;
    bool sawTime = false;
    bool sawMessage = false;
    bool sawEvent = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::string_view text = line;
        if (text.starts_with('[')) {
            // The header's last character is dropped unseen, whether or not it is "]".
            pending.timeText =
                text.size() >= 2 ? std::string(text.substr(1, text.size() - 2)) : std::string();
            sawTime = true;
        } else if (text.starts_with("MESSAGE")) {
            pending.message = ValueOf(text);
            sawMessage = true;
        } else if (text.starts_with("EVENT")) {
            pending.event = ValueOf(text);
            sawEvent = true;
        }
        // Section headers do not reset a group: the record is complete as soon as all three
        // kinds of line have been seen since the last one, each with its latest text.
        if (sawTime && sawMessage && sawEvent) {
            list.push_back(pending);
            sawTime = sawMessage = sawEvent = false;
        }
    }
}
