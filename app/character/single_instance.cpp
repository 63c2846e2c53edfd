#include "character/single_instance.h"

#include <cstdint>
#include <cstring>

#include "paths/instance_name.h"

namespace {

// A view of a mapping, unmapped when it goes.
class MappedView {
public:
    MappedView(HANDLE mapping, DWORD access)
        : m_view(mapping ? MapViewOfFile(mapping, access, 0, 0, sizeof(std::uint64_t)) : nullptr) {}
    ~MappedView() {
        if (m_view != nullptr) {
            UnmapViewOfFile(m_view);
        }
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    void* Get() const { return m_view; }

private:
    void* m_view;
};

}  // namespace

SingleInstance::SingleInstance(const std::string& appDirectory)
    : m_windowName(InstanceObjectName(appDirectory, "-window")) {
    m_mutex.Reset(CreateMutexA(nullptr, FALSE, InstanceObjectName(appDirectory).c_str()));
    // Without a mutex at all (no rights to create one) the program runs as it always did.
    m_first = !m_mutex || GetLastError() != ERROR_ALREADY_EXISTS;
}

void SingleInstance::Publish(HWND character) {
    if (!m_first) {
        return;
    }
    m_window.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(std::uint64_t), m_windowName.c_str()));
    MappedView view(m_window.Get(), FILE_MAP_WRITE);
    if (view.Get() != nullptr) {
        const std::uint64_t value = reinterpret_cast<std::uintptr_t>(character);
        std::memcpy(view.Get(), &value, sizeof value);
    }
}

HWND SingleInstance::FindFirst(DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, m_windowName.c_str()));
        MappedView view(mapping.Get(), FILE_MAP_READ);
        std::uint64_t value = 0;
        if (view.Get() != nullptr) {
            std::memcpy(&value, view.Get(), sizeof value);
        }
        HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
        if (window != nullptr && IsWindow(window)) {
            return window;
        }
        // The first copy may have started a moment ago and not shown its character yet.
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(100);
    }
}

bool SingleInstance::PostToFirst(UINT command, DWORD timeoutMs) const {
    HWND first = FindFirst(timeoutMs);
    return first != nullptr && PostMessageA(first, WM_COMMAND, command, 0) != FALSE;
}

UniqueHandle SingleInstance::OpenFirstProcess() const {
    HWND first = FindFirst(0);
    DWORD processId = 0;
    if (first == nullptr || GetWindowThreadProcessId(first, &processId) == 0) {
        return UniqueHandle();
    }
    return UniqueHandle(OpenProcess(SYNCHRONIZE, FALSE, processId));
}
