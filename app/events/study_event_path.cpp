#include "events/study_event_path.h"

std::optional<std::string> StudyEventFilePath(const std::string& appDirectory,
                                              std::string_view name) {
    if (name.find_first_of("\\/:*?\"<>|") != std::string_view::npos ||
        name.find("..") != std::string_view::npos) {
        return std::nullopt;
    }
    return appDirectory + "StudyEvent\\" + std::string(name) + ".sty";
}
