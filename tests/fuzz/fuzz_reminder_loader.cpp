// Feeds arbitrary bytes to the reminder store's line reader and checks what it promises: no
// crash, no more records than lines, and every record's texts taken from the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string>
#include <vector>

#include "reminders/reminder_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string in(text);
    std::vector<Reminder> list;
    ReadReminders(in, list);

    std::size_t lines = 1;
    for (char c : text) {
        lines += c == '\n';
    }
    if (list.size() * 3 > lines) {
        std::abort();
    }
    for (const Reminder& r : list) {
        for (const std::string* field : {&r.timeText, &r.message, &r.event}) {
            if (field->size() > text.size() || text.find(*field) == std::string::npos) {
                std::abort();
            }
        }
    }
    return 0;
}
