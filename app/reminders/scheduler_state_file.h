// The scheduler's record kept in its own file. A save writes a fresh file beside it and then puts
// it in place, so a crash or a full disk leaves the last whole record, never half of one.
#pragma once

#include <string>

#include "reminders/scheduler_state.h"

class SchedulerStateFile final : public SchedulerStateStore {
public:
    SchedulerStateFile() = default;
    explicit SchedulerStateFile(std::string path) : m_path(std::move(path)) {}
    void SetPath(std::string path) { m_path = std::move(path); }

    // Null when the file is missing, unreadable, implausibly large or holds no record.
    std::optional<SchedulerState> Load() override;
    // Failures are silent: the next save tries again.
    void Save(const SchedulerState& state) override;

private:
    std::string m_path;
};
