// Auto start: the value "whiskertime" under the current user's Run key, naming the program file.
#pragma once

// Whether the value exists (the key is created when it is missing).
bool IsAutoStartOn();

// Sets the value to ProgramPath in quotes, or deletes it. Failures are not reported: the check box
// keeps the mark the user gave it.
void SetAutoStart(bool on);
