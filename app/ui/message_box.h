// The program's message boxes: the application's title as caption, owned by the current dialog.
#pragma once

#include <windows.h>

#include <string>

inline constexpr char kApplicationTitle[] = "Whiskertime";

// A plain message: an OK button and no icon.
void ShowMessage(HWND owner, const std::string& text);

// A file the program could not write: names it and says that nothing was changed.
void ShowWriteFailure(HWND owner, const std::string& path);

// The field checks' message: an OK button and the exclamation icon.
void ShowFieldMessage(HWND owner, const std::string& text);
