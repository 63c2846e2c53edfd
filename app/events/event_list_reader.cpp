#include "events/event_list_reader.h"

#include <string_view>

#include "ui/text_file.h"

std::vector<std::string> ReadEventNames(std::string_view text) {
    std::vector<std::string> names;
    ForEachLine(text, [&](std::string_view line) {
        if (line == "[EVENTCONFIG]") {
            return;
        }
        // A line without "=" (a blank line, a comment, another section's header) is an empty
        // entry.
        std::size_t equals = line.find('=');
        names.emplace_back(equals == std::string_view::npos ? std::string_view{}
                                                            : line.substr(0, equals));
    });
    return names;
}
