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
        std::string_view text = line;
        names.emplace_back(text.substr(0, text.find('=')));
    }
    return names;
}
