#include "app_paths.h"

#include "reminders/scheduler_state.h"

std::string EventConfigPath;
std::string ReminderConfigPath;
std::string ProgramPath;
std::string SkinPath;
std::string SchedulerStatePath;

void SetAppPaths(const std::string& appDirectory) {
    EventConfigPath = appDirectory + "eventconfig.ini";
    ReminderConfigPath = appDirectory + "userconfig.ini";
    ProgramPath = appDirectory + "Whiskertime.exe";
    SkinPath = appDirectory + "mouse.skin";
    SchedulerStatePath = appDirectory + kSchedulerStateFileName;
}
