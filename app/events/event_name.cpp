#include "events/event_name.h"

#include <array>

#include "events/event_kind.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) {
            return false;
        }
    }
    return true;
}

// Windows takes these as devices, also followed by an extension ("nul.txt").
bool IsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && IsBlank(base.back())) {
        base.remove_suffix(1);
    }
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (SameLetters(base, device)) {
            return true;
        }
    }
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
        return SameLetters(base.substr(0, 3), "COM") || SameLetters(base.substr(0, 3), "LPT");
    }
    return false;
}

}  // namespace

bool IsEventNameAllowed(std::string_view name, EventNameUse use, std::string_view storedPath) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()) || name.front() == '[' ||
        name.front() == ';') {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("=\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return false;
        }
    }
    if (name.find("..") != std::string_view::npos || IsDeviceName(name)) {
        return false;
    }
    if (use == EventNameUse::Study) {
        return storedPath.empty();
    }
    return EventKindOf(storedPath) != EventKind::Study;
}
