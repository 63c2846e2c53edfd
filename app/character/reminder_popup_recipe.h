// The reminder's popup as the character shows it: the product name, the message and a close
// button, 400 x 46 in the bottom-right corner of the work area, fading in over 3 s to alpha 232,
// shown 3 s (longer while the mouse is over it), fading out over 3 s.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "character/reminder_popup.h"

inline constexpr int kReminderPopupWidth = 400;
inline constexpr int kReminderPopupHeight = 46;
inline constexpr int kReminderPopupAlpha = 232;
inline constexpr int kReminderPopupFadeMs = 3000;  // each way
inline constexpr int kReminderPopupShownMs = 3000;

inline constexpr Rect kReminderMessageRect = {8, 25, 392, 40};
inline constexpr Rect kReminderTitleRect = {8, 10, 392, 40};
inline constexpr Rect kReminderCloseRect = {380, 10, 396, 26};
inline constexpr COLORREF kReminderMessageColour = RGB(0, 61, 178);
inline constexpr char kReminderTitle[] = "Whiskertime";

// A new popup for the message, ready to open; the caller hands it its own life with Open.
std::unique_ptr<ReminderPopup> MakeReminderPopup(const std::string& message);
