// A capture library whose hook the platform refused: InstallMouseHook gives null. Its
// EndMouseHook would write an empty recording, which the program must never ask it to.
#include <windows.h>

extern "C" __declspec(dllexport) HHOOK InstallMouseHook() {
    return nullptr;
}

extern "C" __declspec(dllexport) BOOL EndMouseHook() {
    return TRUE;
}
