// Feeds arbitrary bytes to the event-list reader and checks what it promises: no crash, no more
// entries than lines, and every entry a piece of a line up to its first "=".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string>
#include <vector>

#include "events/event_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string in(text);
    std::vector<std::string> names = ReadEventNames(in);

    std::size_t lines = 1;
    for (char c : text) {
        lines += c == '\n';
    }
    if (names.size() > lines) {
        std::abort();
    }
    std::size_t from = 0;
    for (const std::string& name : names) {
        if (name.find('=') != std::string::npos || name.find('\n') != std::string::npos) {
            std::abort();
        }
        // Entries come in file order, each from the start of a line.
        std::size_t at = from;
        for (;;) {
            at = text.find(name, at);
            if (at == std::string::npos) {
                std::abort();
            }
            if (at == 0 || text[at - 1] == '\n') {
                break;
            }
            ++at;
        }
        from = at + name.size();
    }
    return 0;
}
