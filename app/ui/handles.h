// Owners for the kernel handles the program holds: each closes what it owns exactly once.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

// A handle closed with CloseHandle. Both null and INVALID_HANDLE_VALUE mean "none", since the
// platform's functions use one or the other for failure.
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool IsValid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return IsValid(); }
    HANDLE Get() const { return m_handle; }
    HANDLE Release() { return std::exchange(m_handle, nullptr); }
    void Reset(HANDLE handle = nullptr) {
        if (IsValid()) {
            CloseHandle(m_handle);
        }
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};

// A function of a module the process has loaded already (a system library), looked up by name so
// that the program still runs on systems without it; null when it is missing.
// An export of a module as a function pointer of the given type; null when it is missing.
template <typename Function>
Function BindExport(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Converting a procedure address to the function type it really has is how exports are
    // bound; the detour through void* keeps compilers from warning about the cast.
    FARPROC address = GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

template <typename Function>
Function FindLoadedFunction(const char* module, const char* name) {
    return BindExport<Function>(GetModuleHandleA(module), name);
}

// A loaded module, freed with FreeLibrary.
class Library {
public:
    Library() = default;
    explicit Library(const char* path) : m_module(LoadLibraryA(path)) {}
    ~Library() { Reset(); }

    // A library of the system, by its full path in the system folder: never a file of that name
    // that someone put beside the program, which the search order would find first.
    static Library System(const char* name) {
        char folder[MAX_PATH] = {};
        UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return Library();
        }
        std::string path = std::string(folder, length) + "\\" + name;
        return Library(path.c_str());
    }
    Library(Library&& other) noexcept : m_module(std::exchange(other.m_module, nullptr)) {}
    Library& operator=(Library&& other) noexcept {
        if (this != &other) {
            Reset();
            m_module = std::exchange(other.m_module, nullptr);
        }
        return *this;
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool IsLoaded() const { return m_module != nullptr; }
    explicit operator bool() const { return IsLoaded(); }
    HMODULE Get() const { return m_module; }

    // The export's address as a function pointer of the given type; null when it is missing.
    template <typename Function>
    Function Find(const char* name) const {
        return BindExport<Function>(m_module, name);
    }

    void Reset() {
        if (m_module) {
            FreeLibrary(m_module);
            m_module = nullptr;
        }
    }

private:
    HMODULE m_module = nullptr;
};

// An open registry key, closed with RegCloseKey.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Reset(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    explicit operator bool() const { return m_key != nullptr; }
    HKEY Get() const { return m_key; }
    // For the functions that hand a key out: closes the one held, then receives the new one.
    HKEY* Receive() {
        Reset();
        return &m_key;
    }
    void Reset() {
        if (m_key != nullptr) {
            RegCloseKey(m_key);
            m_key = nullptr;
        }
    }

private:
    HKEY m_key = nullptr;
};
