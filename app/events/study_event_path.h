// Where a study event's recording lives: "StudyEvent\" + name + ".sty" beside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The recording's path for an event name, or nothing for a name that could reach outside the
// "StudyEvent\" folder: one holding "\", "/", ":" or "..". Such names come only from a
// hand-edited registry (or a careless recorder); no file is ever formed from them.
std::optional<std::string> StudyEventFilePath(const std::string& appDirectory,
                                              std::string_view name);
