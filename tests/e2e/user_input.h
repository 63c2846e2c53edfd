// Mouse and keyboard input as a user gives it, injected with SendInput.
#pragma once

#include <windows.h>

// Moves the pointer to a screen point (an absolute move, as a real mouse reports it).
void MoveMouseTo(int x, int y);
// Presses or releases a button where the pointer is: MOUSEEVENTF_LEFTDOWN, ..._RIGHTUP, ...
void MouseButton(DWORD flag);
// Moves to the point, then presses and releases the button there.
void ClickAt(int x, int y, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
void PressKey(WORD key);
