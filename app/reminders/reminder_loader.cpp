#include "reminder_loader.h"

#include <string>
#include <string_view>

#include "ui/text_file.h"

namespace {

// The text after the first "=", or the whole line when it has none.
std::string ValueOf(std::string_view line) {
    std::size_t equals = line.find('=');
    return std::string(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

}  // namespace

void ReadReminders(std::string_view text, std::vector<Reminder>& list) {
    Reminder pending;
    bool sawTime = false;
    bool sawMessage = false;
    bool sawEvent = false;
    ForEachLine(text, [&](std::string_view line) {
        if (line.starts_with('[')) {
            // The header's last character is dropped unseen, whether or not it is "]".
            pending.timeText =
                line.size() >= 2 ? std::string(line.substr(1, line.size() - 2)) : std::string();
            sawTime = true;
        } else if (line.starts_with("MESSAGE")) {
            pending.message = ValueOf(line);
            sawMessage = true;
        } else if (line.starts_with("EVENT")) {
            pending.event = ValueOf(line);
            sawEvent = true;
        }
        // Section headers do not reset a group: the record is complete as soon as all three
        // kinds of line have been seen since the last one, each with its latest text.
        if (sawTime && sawMessage && sawEvent) {
            list.push_back(pending);
            sawTime = sawMessage = sawEvent = false;
        }
    });
}
