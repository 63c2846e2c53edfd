#include "placement.h"

Point ShowMousePosition(Size character, const std::optional<Rect>& taskbar, const Rect& workArea) {
    if (taskbar && taskbar->Width() > 0 && taskbar->Height() > 0) {
        return {taskbar->right - character.width, taskbar->top - character.height};
    }
    return {workArea.right - character.width, workArea.bottom - character.height};
}
