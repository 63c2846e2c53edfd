#include "events/do_now_placement.h"

Point DoNowPosition(const Rect& owner, Size dialog, int screenWidth) {
    int left = screenWidth - owner.right < dialog.width ? owner.left - dialog.width : owner.right;
    return {left, owner.top};
}
