// The blink and the mouth of the alarm as plain logic: which picture the next step draws, and
// when the step after it comes. The window draws and sets the timers.
#pragma once

#include "ui/geometry.h"

// Process-wide, true at start: the next blink step closes the eyes, the next mouth step opens the
// mouth. Neither is ever reset, so an alarm carries on from where the last one stopped.
extern bool BlinkToggle;
extern bool MouthToggle;

struct AnimationStep {
    int bitmapId;       // the picture to draw
    unsigned periodMs;  // until the next step
};

// Eyes closed for 100 ms, open for 1900 ms.
AnimationStep NextBlinkStep();
// Mouth open for 100 ms, shut for 350 ms.
AnimationStep NextMouthStep();

// Where the pictures go, in window coordinates. A picture smaller than its area covers only its
// own size; a larger one shows only the area's size.
inline constexpr Rect kEyesArea = {42, 55, 42 + 80, 55 + 35};
inline constexpr Rect kMouthArea = {58, 102, 58 + 57, 102 + 57};
// Repainted from the artwork when an alarm stops.
inline constexpr Rect kAlarmStopBand = {0, 161, 226, 191};

inline constexpr unsigned kAlarmFirstStepMs = 50;
inline constexpr unsigned kAlarmUnitMs = 2000;  // an alarm lasts count x this; a squeak each
inline constexpr int kReminderAlarmCount = 3;
