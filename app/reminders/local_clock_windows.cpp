#include <windows.h>

#include "reminders/reminder_timeline.h"

LocalDateTime CurrentLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}
