#include "events/playback_schedule.h"

std::uint32_t ButtonFlagsOf(std::string_view actionName) {
    if (actionName == kLeftButtonDown) {
        return kLeftDownFlag;
    }
    if (actionName == kLeftButtonUp) {
        return kLeftUpFlag;
    }
    if (actionName == kRightButtonDown) {
        return kRightDownFlag;
    }
    if (actionName == kRightButtonUp) {
        return kRightUpFlag;
    }
    return 0;
}

std::uint32_t RecordedGap(std::uint32_t time, std::uint32_t nextTime) {
    std::uint32_t gap = nextTime - time;
    return gap < 0x80000000u ? gap : 0;
}

std::vector<PlaybackStep> PlanPlayback(const std::vector<MouseRecord>& records) {
    std::vector<PlaybackStep> steps;
    steps.reserve(records.size());
    for (std::size_t j = 0; j < records.size(); ++j) {
        PlaybackStep step;
        if (j + 1 < records.size()) {
            step.pauseBefore = RecordedGap(records[j].time, records[j + 1].time);
        }
        step.x = records[j].x;
        step.y = records[j].y;
        step.buttonFlags = ButtonFlagsOf(ActionNameOf(records[j]));
        steps.push_back(step);
    }
    return steps;
}
