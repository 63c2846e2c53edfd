// What the scheduler remembers between runs, kept in a small file of its own beside the program
// (never in the two stores): the moment up to which it has looked at the reminders, and, after
// the clock was set back, the occurrences ahead of that moment that were already fired or told.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "reminders/reminder_timeline.h"

inline constexpr char kSchedulerStateFileName[] = "scheduler.state";

struct SchedulerState {
    Instant lookedUpTo = 0;
    // Time text -> the last moment of it that was fired or told, where that lies after lookedUpTo.
    std::map<std::string, Instant> handledAhead;
    bool operator==(const SchedulerState&) const = default;
};

// The file's text: "looked=<seconds>" and one "handled=<seconds> <time text>" per entry, CR LF.
std::string EncodeSchedulerState(const SchedulerState& state);
// Null when the text holds no valid "looked=" line; other lines that don't read are skipped.
std::optional<SchedulerState> ParseSchedulerState(std::string_view text);

// Where the scheduler keeps it; the program's is a file, tests keep it in memory.
class SchedulerStateStore {
public:
    // Null when there is none (a first start, or files of an older version) or it can't be read.
    virtual std::optional<SchedulerState> Load() = 0;
    virtual void Save(const SchedulerState& state) = 0;

protected:
    ~SchedulerStateStore() = default;
};
