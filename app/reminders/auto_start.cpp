#include "reminders/auto_start.h"

#include <string>

#include <windows.h>

#include "paths/app_paths.h"
#include "ui/handles.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "whiskertime";

}  // namespace

bool IsAutoStartOn() {
    RegKey key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, key.Receive()) != ERROR_SUCCESS) {
        return false;
    }
    return RegQueryValueExA(key.Get(), kValueName, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

void SetAutoStart(bool on) {
    RegKey key;
    if (on) {
        if (RegCreateKeyA(HKEY_CURRENT_USER, kRunKey, key.Receive()) == ERROR_SUCCESS) {
            // ProgramPath always names "Whiskertime.exe", whatever the running file is called. In
            // quotes: unquoted, a path with a space (C:\Users\Ann Lee\...) is first tried as
            // C:\Users\Ann.exe.
            const std::string command = "\"" + ProgramPath + "\"";
            RegSetValueExA(key.Get(), kValueName, 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(command.c_str()),
                           static_cast<DWORD>(command.size() + 1));
        }
    } else if (RegOpenKeyA(HKEY_CURRENT_USER, kRunKey, key.Receive()) == ERROR_SUCCESS) {
        RegDeleteValueA(key.Get(), kValueName);
    }
}
