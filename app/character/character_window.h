// The desktop character: a shaped cartoon mouse with a running clock, the program's only
// top-level window. Run modally for the life of the process, it owns the program's timers, the
// tray icon and the reminder popups it opens.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "character/alarm.h"
#include "character/clock_face.h"
#include "character/tray_icon.h"
#include "reminders/missed_reminders_dialog.h"
#include "reminders/reminder_firer.h"
#include "reminders/reminder_scheduler.h"
#include "reminders/scheduler_state_file.h"
#include "reminders/windows_timeline.h"
#include "ui/gdi.h"
#include "ui/geometry.h"
#include "ui/modal_dialog.h"
#include "ui/window_timers.h"

class ReminderPopup;
class SingleInstance;

class CharacterWindow : public ModalDialog, public ReminderFirer, public MissedReminderAnnouncer {
public:
    explicit CharacterWindow(HWND parent);

    // Acts on a due reminder or a Do Now: a visible character goes back to its place, the
    // event's program starts or its recording replays, and a message raises the alarm. Either
    // text may be empty; with both empty only the placement happens.
    void FireReminder(std::string message, std::string event) override;
    // Reminders that went by unseen: listed in the one "Missed Reminders" window, and the mouth
    // and squeak once when that window opens. Their events are not run.
    void AnnounceMissed(std::vector<MissedReminder> missed) override;
    // The alarm: the mouth moves and a squeak sounds every 2 s for count x 2 s, and a popup
    // shows the message.
    void StartAlarm(int count, const std::string& message);
    // Opens a new popup with the message; older popups run their own course.
    void ShowReminderPopup(const std::string& message);
    // "show mouse": above the right end of the taskbar, topmost and visible.
    void ShowMouse();
    // The installation's guard, told of the character once it exists; optional, must outlive it.
    void SetInstance(SingleInstance* instance) { m_instance = instance; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    // Enter, Escape and the dialog manager's close request never close the character.
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;
    // The character is its artwork, cut out by a colour key: no skin paints it.
    bool WearsLook() const override { return false; }

    ReminderPopup* CurrentPopup = nullptr;  // the newest popup while it is open
    // The recording the most recently started playback replays; each playback thread is handed
    // its own copy, so a later fire may change this at once.
    std::string PlaybackPath;

private:
    void ApplyColourKey();
    void ListenForTaskbarRestarts();
    void OnPaint();
    INT_PTR OnNcHitTest(LPARAM lParam);
    void OnTrayNotify(WPARAM id, LPARAM mouseMessage);
    void OnClockTick();
    void OnBlinkStep();
    void OnConfig();
    bool BringOpenDialogToFront();
    void OnHelp();
    void OnExit();
    void OnPowerBroadcast(WPARAM event);

    HICON m_icon = nullptr;  // a shared resource icon: never destroyed
    TrayIcon m_tray;
    UINT m_taskbarCreated = 0;  // broadcast when the shell (re)starts; 0 if not registered
    COLORREF m_keyColour = 0;
    gdi::Bitmap m_character;  // the whole mouse; its top-left pixel is the key colour
    gdi::Bitmap m_eyesClosed;
    gdi::Bitmap m_eyesOpen;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    Instant m_clockSecond = 0;  // the system clock's second that the fields show
    ClockCells m_clockCells;
    std::array<gdi::Bitmap, 10> m_digits;
    std::string m_appDirectory;
    Alarm m_alarm;
    WindowTimers m_timers;
    WindowsTimeline m_timeline;
    SchedulerStateFile m_schedulerState;  // its path is known once the constructor has run
    ReminderScheduler m_scheduler{
        ReminderList, {*this, *this, m_timers, m_timeline, m_schedulerState, CurrentInstant}};
    MissedRemindersDialog m_missed;
    SingleInstance* m_instance = nullptr;
};
