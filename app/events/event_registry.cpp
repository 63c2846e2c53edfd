#include "events/event_registry.h"

#include <vector>

#include "events/event_list_reader.h"
#include "paths/app_paths.h"
#include "ui/text_file.h"

namespace {

constexpr char kSection[] = "EVENTCONFIG";

// The longest value read back: far beyond any path the platform can open, yet bounded so that a
// damaged file cannot make a lookup allocate without end.
constexpr DWORD kLongestValue = 1 << 16;

}  // namespace

namespace EventRegistry {

void ListEventNames(HWND listBox) {
    // Byte for byte: the reader itself takes CR LF and LF as line ends and keeps every other byte.
    std::string text;
    if (!ReadTextFile(EventConfigPath, text)) {
        return;
    }
    for (const std::string& name : ReadEventNames(text)) {
        SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

std::string LookupEventPath(const std::string& name) {
    if (name.empty()) {
        return std::string();
    }
    // The whole value, however long: a path cut short would name another file. The profile
    // function reports a value that did not fit by filling the buffer to its last character.
    std::vector<char> buffer(1024, '\0');
    for (;;) {
        DWORD length =
            GetPrivateProfileStringA(kSection, name.c_str(), "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), EventConfigPath.c_str());
        if (length + 1 < buffer.size() || buffer.size() >= kLongestValue) {
            return std::string(buffer.data(), length);
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

bool StoreEvent(const std::string& name, const std::string& path) {
    if (name.empty()) {
        return true;
    }
    return WritePrivateProfileStringA(kSection, name.c_str(), path.c_str(),
                                      EventConfigPath.c_str()) != FALSE;
}

bool RemoveEvent(const std::string& name) {
    // An empty entry of the list (a blank or hand-edited line) names no stored event.
    if (name.empty()) {
        return true;
    }
    return WritePrivateProfileStringA(kSection, name.c_str(), nullptr, EventConfigPath.c_str()) !=
           FALSE;
}

}  // namespace EventRegistry
