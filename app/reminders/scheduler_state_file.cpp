#include "reminders/scheduler_state_file.h"

#include <windows.h>

#include "ui/handles.h"

namespace {

// The record is a few lines; anything much larger is not one of ours.
constexpr DWORD kLargestRecord = 64 * 1024;

}  // namespace

std::optional<SchedulerState> SchedulerStateFile::Load() {
    UniqueHandle file(CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string text(kLargestRecord + 1, '\0');
    DWORD read = 0;
    if (!ReadFile(file.Get(), text.data(), kLargestRecord + 1, &read, nullptr) ||
        read > kLargestRecord) {
        return std::nullopt;
    }
    text.resize(read);
    return ParseSchedulerState(text);
}

void SchedulerStateFile::Save(const SchedulerState& state) {
    const std::string text = EncodeSchedulerState(state);
    const std::string fresh = m_path + ".new";
    {
        UniqueHandle file(CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return;
        }
        DWORD written = 0;
        if (!WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written,
                       nullptr) ||
            written != text.size()) {
            file.Reset();
            DeleteFileA(fresh.c_str());
            return;
        }
    }
    if (!MoveFileExA(fresh.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(fresh.c_str());
    }
}
