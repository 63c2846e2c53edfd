#include "paths/instance_name.h"

#include <cstdint>
#include <cstdio>

std::string InstanceObjectName(std::string_view appDirectory, std::string_view suffix) {
    // FNV-1a over the folder in capitals, "/" read as "\".
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : appDirectory) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c == '/') {
            c = '\\';
        }
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char text[64];
    // 16 hex digits always fit.
    static_cast<void>(std::snprintf(text, sizeof text, "Local\\Whiskertime-%016llx",
                                    static_cast<unsigned long long>(hash)));
    return std::string(text) + std::string(suffix);
}
