#include "reminders/missed_reminder.h"

#include <algorithm>

void MergeMissed(std::vector<MissedReminder>& listed, const std::vector<MissedReminder>& missed) {
    for (const MissedReminder& m : missed) {
        auto same = std::find_if(listed.begin(), listed.end(), [&](const MissedReminder& l) {
            return l.timeText == m.timeText && l.message == m.message && l.event == m.event;
        });
        if (same == listed.end()) {
            listed.push_back(m);
        } else {
            same->moment = std::max(same->moment, m.moment);
        }
    }
    std::stable_sort(
        listed.begin(), listed.end(),
        [](const MissedReminder& a, const MissedReminder& b) { return a.moment < b.moment; });
}
