#include "app_paths.h"

std::string EventConfigPath;
std::string ReminderConfigPath;
std::string ProgramPath;
std::string SkinPath;

void SetAppPaths(const std::string& appDirectory) {
    EventConfigPath = appDirectory + "eventconfig.ini";
    ReminderConfigPath = appDirectory + "userconfig.ini";
    ProgramPath = appDirectory + "Whiskertime.exe";
    SkinPath = appDirectory + "mouse.skin";
}
