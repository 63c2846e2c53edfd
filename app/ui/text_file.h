// Text files read whole, and split into lines, without the stream library: the program's three
// small readers (reminder store, event list, skin) need no more, and the streams' locale machinery
// would cost an idle program memory all day.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The program's text files are small; one far larger than any the program writes (gigabytes) is
// not read at all, so that it cannot exhaust memory at start-up.
inline constexpr std::size_t kLargestTextFile = 64u << 20;

// The whole file, byte for byte; false when it cannot be opened or read, or holds more than
// `largest` bytes.
bool ReadTextFile(const std::string& path, std::string& text,
                  std::size_t largest = kLargestTextFile);

// Calls `line` for every line of the text in order. A line ends at LF, and a CR right before the
// LF is not part of it; a last line without LF still counts; nothing follows a final LF.
template <typename LineFunction>
void ForEachLine(std::string_view text, LineFunction line) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view current = text.substr(start, end - start);
        if (!current.empty() && current.back() == '\r') {
            current.remove_suffix(1);
        }
        line(current);
        start = end + 1;
    }
}
