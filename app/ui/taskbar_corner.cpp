#include "ui/taskbar_corner.h"

Point ShowMousePosition(Size character, const std::optional<Rect>& taskbar, const Rect& workArea) {
    const Point corner{workArea.right - character.width, workArea.bottom - character.height};
    if (!taskbar || taskbar->Width() <= 0 || taskbar->Height() <= 0) {
        return corner;
    }
    // Elsewhere than at the bottom, the taskbar's top edge would lift the character off screen.
    const Point onTaskbar{taskbar->right - character.width, taskbar->top - character.height};
    const Rect placed{onTaskbar.x, onTaskbar.y, taskbar->right, taskbar->top};
    return workArea.Encloses(placed) ? onTaskbar : corner;
}
