#include "ui/message_box.h"

void ShowMessage(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK);
}

void ShowFieldMessage(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
}

void ShowWriteFailure(HWND owner, const std::string& path) {
    ShowMessage(owner,
                "Whiskertime could not write to the file\n" + path + "\nNothing was changed.");
}
