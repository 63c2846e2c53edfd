#include "character_animation.h"

#include "resources/resource.h"

bool BlinkToggle = true;
bool MouthToggle = true;

AnimationStep NextBlinkStep() {
    AnimationStep step =
        BlinkToggle ? AnimationStep{IDB_EYES_CLOSED, 100} : AnimationStep{IDB_EYES_OPEN, 1900};
    BlinkToggle = !BlinkToggle;
    return step;
}

AnimationStep NextMouthStep() {
    AnimationStep step =
        MouthToggle ? AnimationStep{IDB_MOUTH_OPEN, 100} : AnimationStep{IDB_MOUTH_CLOSED, 350};
    MouthToggle = !MouthToggle;
    return step;
}
