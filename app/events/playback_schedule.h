// What a replay does, worked out from the recorded actions before the first one is replayed:
// for each record, the pause before it, the cursor position and the button action.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "common/mouse_record.h"

// Button flags as the platform's mouse_event takes them.
inline constexpr std::uint32_t kLeftDownFlag = 0x0002;
inline constexpr std::uint32_t kLeftUpFlag = 0x0004;
inline constexpr std::uint32_t kRightDownFlag = 0x0008;
inline constexpr std::uint32_t kRightUpFlag = 0x0010;

struct PlaybackStep {
    std::uint32_t pauseBefore = 0;  // milliseconds
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t buttonFlags = 0;  // 0: the cursor move is the whole action
};

// The button an action name presses or releases (exact, case-sensitive); 0 for a move and for
// any name that is not a button's.
std::uint32_t ButtonFlagsOf(std::string_view actionName);

// The recorded gap from one time to the next, in 32-bit tick arithmetic so that a recording made
// across the tick counter's wrap pauses correctly. A gap of 2^31 ms or more can only come from a
// time that went backwards in a damaged file, and is no pause at all.
std::uint32_t RecordedGap(std::uint32_t time, std::uint32_t nextTime);

// The most a replay pauses in all. A damaged recording can hold gaps of weeks, and the user's
// input stays blocked while it plays.
inline constexpr std::uint64_t kLongestReplayPauseMs = 60ull * 60 * 1000;

// One step per record, in file order. Before each record the replay pauses for the gap that
// follows it in the recording; the last record has no pause before it. So record 0 is replayed
// time(1) - time(0) after the start, record j at time(j+1) - time(0), and the last right after
// the one before it. Pauses are kept as recorded while their running sum stays within
// kLongestReplayPauseMs; the pause that would pass it, and every pause after it, is none.
std::vector<PlaybackStep> PlanPlayback(const std::vector<MouseRecord>& records);

// The buttons a replay holds down: noted step by step, so that whatever a replay leaves pressed
// (a recording cut between a button's down and its up) can be released when it ends.
class HeldButtons {
public:
    void Note(std::uint32_t buttonFlags);
    // The flags that release every button pressed and not released since; 0 when none is held.
    std::uint32_t ReleaseFlags() const;

private:
    bool m_left = false;
    bool m_right = false;
};
