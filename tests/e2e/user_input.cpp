#include "user_input.h"

void MoveMouseTo(int x, int y) {
    // Absolute coordinates on the primary screen run from 0 to 65535.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    input.mi.dy = (y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Under Wine the pointer is now and then still elsewhere a moment later (the X pointer and
    // the cursor out of step): move again until the cursor is there, so a press lands on target.
    for (int attempt = 0; attempt < 20; ++attempt) {
        SendInput(1, &input, sizeof input);
        Sleep(50);
        POINT pt{};
        GetCursorPos(&pt);
        if (pt.x == x && pt.y == y) {
            return;
        }
    }
}

void MouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof input);
    Sleep(100);
}

void ClickAt(int x, int y, DWORD down, DWORD up) {
    MoveMouseTo(x, y);
    MouseButton(down);
    MouseButton(up);
}

void PressKey(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}
