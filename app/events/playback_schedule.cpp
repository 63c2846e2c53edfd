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
    std::uint64_t pausedInAll = 0;
    bool pausesSpent = false;
    for (std::size_t j = 0; j < records.size(); ++j) {
        PlaybackStep step;
        if (j + 1 < records.size() && !pausesSpent) {
            std::uint32_t gap = RecordedGap(records[j].time, records[j + 1].time);
            if (pausedInAll + gap <= kLongestReplayPauseMs) {
                pausedInAll += gap;
                step.pauseBefore = gap;
            } else {
                pausesSpent = true;
            }
        }
        step.x = records[j].x;
        step.y = records[j].y;
        step.buttonFlags = ButtonFlagsOf(ActionNameOf(records[j]));
        steps.push_back(step);
    }
    return steps;
}

void HeldButtons::Note(std::uint32_t buttonFlags) {
    if (buttonFlags & kLeftDownFlag) {
        m_left = true;
    }
    if (buttonFlags & kLeftUpFlag) {
        m_left = false;
    }
    if (buttonFlags & kRightDownFlag) {
        m_right = true;
    }
    if (buttonFlags & kRightUpFlag) {
        m_right = false;
    }
}

std::uint32_t HeldButtons::ReleaseFlags() const {
    return (m_left ? kLeftUpFlag : 0) | (m_right ? kRightUpFlag : 0);
}
