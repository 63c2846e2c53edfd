// Where the Do Now dialog opens: beside the character, tops aligned.
#pragma once

#include "ui/geometry.h"

// To the right of the owner when the screen has room for the whole dialog there (room exactly
// as wide as the dialog is enough), otherwise to its left. No vertical adjustment, no clamping.
Point DoNowPosition(const Rect& owner, Size dialog, int screenWidth);
