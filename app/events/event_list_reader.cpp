#include "events/event_list_reader.h"

#include <string_view>

std::vector<std::string> ReadEventNames(std::istream& in) {
    std::vector<std::string> names;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == "[EVENTCONFIG]") {
            continue;
        }
        // A line without "=" (a blank line, a comment, another section's header) is an empty
        // entry.
        std::string_view text = line;
        std::size_t equals = text.find('=');
        names.emplace_back(equals == std::string_view::npos ? std::string_view{}
                                                            : text.substr(0, equals));
    }
    return names;
}
