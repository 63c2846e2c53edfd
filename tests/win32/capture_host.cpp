// A stand-in for the program in the capture library's eyes: loads "Scurrylog.dll" from beside
// itself, installs the hook, ends it at once and exits. Copied under other names and into other
// directories by the tests, to see where the library writes its recording.
#include <windows.h>

#include <string>

#include "capture/scurrylog.h"

int main() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string directory(self);
    directory.erase(directory.find_last_of('\\') + 1);
    HMODULE library = LoadLibraryA((directory + "Scurrylog.dll").c_str());
    if (!library) {
        return 2;
    }
    auto install = reinterpret_cast<InstallMouseHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kInstallMouseHookName)));
    auto end = reinterpret_cast<EndMouseHookFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, kEndMouseHookName)));
    if (!install || !end) {
        return 3;
    }
    HHOOK hook = install();
    BOOL written = end();
    FreeLibrary(library);
    return hook && written ? 0 : 4;
}
