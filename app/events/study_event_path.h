// Where a study event's recording lives: "StudyEvent\" + name + ".sty" beside the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The recording's path for an event name, or nothing for a name that could reach outside the
// "StudyEvent\" folder or is no file name there: one holding "\", "/", ":", "*", "?", '"', "<",
// ">", "|" or "..". No file is ever formed from such a name: the recorder refuses it, and
// "Delete Event" of one (from a hand-edited registry) deletes no file.
std::optional<std::string> StudyEventFilePath(const std::string& appDirectory,
                                              std::string_view name);
