#include "character_window.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>

#include "character/about_dialog.h"
#include "character/character_animation.h"
#include "character/clock_face.h"
#include "character/picture.h"
#include "character/reminder_popup.h"
#include "character/reminder_popup_recipe.h"
#include "character/single_instance.h"
#include "events/do_now_dialog.h"
#include "events/event_launcher.h"
#include "events/event_registry.h"
#include "events/recorder_dialog.h"
#include "paths/app_paths.h"
#include "reminders/reminder_store.h"
#include "reminders/settings_dialog.h"
#include "resources/resource.h"
#include "skin/dialog_skin.h"
#include "skin/skin_manager.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/taskbar_placement.h"
#include "ui/win_geometry.h"

namespace {

constexpr UINT kClockPeriodMs = 100;
constexpr UINT kBlinkFirstMs = 2000;
constexpr int kMissedAlarmCount = 1;  // one squeak, one round of the mouth

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

CharacterWindow::CharacterWindow(HWND parent) : ModalDialog(IDD_CHARACTER, parent) {
    m_icon = LoadIconA(Application::Instance(), MAKEINTRESOURCEA(IDI_WHISKERTIME));

    std::string appDirectory;
    GetAppDirectory(appDirectory);
    SetAppPaths(appDirectory);
    m_schedulerState.SetPath(SchedulerStatePath);

    SkinManager& skins = SkinManager::Instance();
    skins.SetOptions(skins.Options() | kSkinOptionDialogs);
    skins.LoadSkin(SkinPath.c_str(), nullptr);  // without a skin the plain look stays
    ModalDialog::SetLook(&SkinLook());
}

BOOL CharacterWindow::OnInitDialog() {
    HWND hwnd = Handle();
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    // No taskbar button and no Alt+Tab entry.
    LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    SetWindowLongA(hwnd, GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);

    // Never shown (the window has no title bar): it names the installation, so that its
    // installer can find this copy and end it as "exit" does before it replaces the files.
    std::string installation;
    GetAppDirectory(installation);
    SetWindowTextA(hwnd, ("Whiskertime " + installation).c_str());
    if (m_instance != nullptr) {
        m_instance->Publish(hwnd);
    }

    m_tray.Add(hwnd, LoadIconA(Application::Instance(), MAKEINTRESOURCEA(IDI_WHISKERTIME)));
    ListenForTaskbarRestarts();

    // The window takes the artwork's size at its current top-left corner.
    m_character = LoadBitmapResource(IDB_CHARACTER);
    SIZE size = gdi::BitmapSize(m_character.Get());
    RECT window{};
    GetWindowRect(hwnd, &window);
    MoveWindow(hwnd, window.left, window.top, size.cx, size.cy, TRUE);

    ApplyColourKey();

    m_eyesClosed = LoadBitmapResource(IDB_EYES_CLOSED);
    m_eyesOpen = LoadBitmapResource(IDB_EYES_OPEN);
    for (int digit = 0; digit < 10; ++digit) {
        m_digits[digit] = LoadBitmapResource(IDB_DIGIT_0 + digit);
    }
    GetAppDirectory(m_appDirectory);
    m_alarm.Attach(hwnd, m_appDirectory + "zizi.wav");
    m_timers.Attach(hwnd);

    SetTimer(hwnd, ID_TIMER_BLINK, kBlinkFirstMs, nullptr);
    SetTimer(hwnd, ID_TIMER_CLOCK, kClockPeriodMs, nullptr);
    m_scheduler.Start();

    // Timer messages are handled only after this returns, so the list is complete before the
    // first schedule tick.
    LoadReminders();
    return TRUE;
}

// Pixels of the artwork's top-left colour become see-through, and clicks on them reach whatever
// lies below.
void CharacterWindow::ApplyColourKey() {
    HWND hwnd = Handle();
    {
        gdi::WindowDC screen(hwnd);
        gdi::MemoryDC artwork(screen.Get());
        artwork.Select(m_character.Get());
        m_keyColour = GetPixel(artwork.Get(), 0, 0);
    }
    // Looked up by name so the program still runs, as an opaque rectangle, where it is missing.
    auto setLayered = FindLoadedFunction<SetLayeredWindowAttributesFn>(
        "user32.dll", "SetLayeredWindowAttributes");
    if (setLayered == nullptr) {
        return;
    }
    SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayered(hwnd, m_keyColour, 255, LWA_COLORKEY);
}

// A restarted shell has lost every tray icon and tells the running programs with this message;
// without the icon again, a hidden character could not be reached at all. Where the system
// filters messages between processes of different integrity, it is let through (the filter
// function is looked up by name, so the program still starts where it is missing).
void CharacterWindow::ListenForTaskbarRestarts() {
    m_taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    auto allow = FindLoadedFunction<ChangeFilterFn>("user32.dll", "ChangeWindowMessageFilterEx");
    if (m_taskbarCreated != 0 && allow != nullptr) {
        constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
        allow(Handle(), m_taskbarCreated, kAllow, nullptr);
    }
}

INT_PTR CharacterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_taskbarCreated != 0 && message == m_taskbarCreated) {
        m_tray.Restore();  // as at start; a hidden character stays hidden
        return FALSE;
    }
    switch (message) {
        case WM_PAINT:
            OnPaint();
            return TRUE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(m_icon);
        case WM_NCHITTEST:
            return OnNcHitTest(lParam);
        case WM_MOUSEMOVE:
            SetCursor(LoadCursorA(Application::Instance(), MAKEINTRESOURCEA(IDCUR_HAND)));
            return FALSE;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            OpenMouseMenu(Handle());  // only the head gets button messages
            return FALSE;
        case WM_TRAY_NOTIFY:
            OnTrayNotify(wParam, lParam);
            return TRUE;
        case WM_POWERBROADCAST:
            OnPowerBroadcast(wParam);
            return TRUE;
        case WM_TIMECHANGE:
            m_scheduler.WalkNow();  // a clock moved by hand or by the time service
            return FALSE;
        case WM_ENDSESSION:
            if (wParam) {
                m_scheduler.SaveState();  // Windows is ending: no exit command will come
            }
            return FALSE;
        case WM_DESTROY:
            OnExit();
            return FALSE;
        default:
            return ModalDialog::HandleMessage(message, wParam, lParam);
    }
}

void CharacterWindow::OnPaint() {
    HWND hwnd = Handle();
    if (IsIconic(hwnd)) {
        gdi::PaintDC paint(hwnd);
        SendMessageA(hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.Get()), 0);
        RECT client{};
        GetClientRect(hwnd, &client);
        int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(paint.Get(), x, y, m_icon);
        return;
    }
    { gdi::PaintDC validate(hwnd); }  // validates the update region and erases the background
    m_clockCells.Forget();            // the artwork's own digits are back until the next tick
    gdi::WindowDC window(hwnd);
    gdi::MemoryDC scratch(window.Get());
    SIZE size = gdi::BitmapSize(m_character.Get());
    gdi::DrawBitmap(window.Get(), scratch, m_character.Get(), 0, 0, size.cx, size.cy);
}

// The head behaves as client area (menu, hand cursor); everywhere else the character is dragged
// by the platform's own window moving.
INT_PTR CharacterWindow::OnNcHitTest(LPARAM lParam) {
    POINT head[2] = {{kHeadRect.left, kHeadRect.top}, {kHeadRect.right, kHeadRect.bottom}};
    MapWindowPoints(Handle(), nullptr, head, 2);
    Rect screenHead{head[0].x, head[0].y, head[1].x, head[1].y};
    int x = static_cast<short>(LOWORD(lParam));
    int y = static_cast<short>(HIWORD(lParam));
    if (screenHead.Contains(x, y)) {
        return FALSE;
    }
    return SetMessageResult(HTCAPTION);
}

void CharacterWindow::OnTimer(UINT_PTR id) {
    switch (id) {
        case ID_TIMER_CLOCK:
            OnClockTick();
            break;
        case ID_TIMER_BLINK:
            OnBlinkStep();
            break;
        case ID_TIMER_ALARM_ANIMATION:
        case ID_TIMER_ALARM_STOP:
        case ID_TIMER_SQUEAK:
            m_alarm.OnTimer(id);
            break;
        case ID_TIMER_SCHEDULE:
        case ID_TIMER_SCHEDULE_RESUME:
            m_scheduler.OnTimer(static_cast<int>(id));
            break;
        default:
            break;
    }
}

void CharacterWindow::OnBlinkStep() {
    AnimationStep step = NextBlinkStep();
    DrawPicture(Handle(), step.bitmapId == IDB_EYES_CLOSED ? m_eyesClosed.Get() : m_eyesOpen.Get(),
                kEyesArea);
    SetTimer(Handle(), ID_TIMER_BLINK, step.periodMs, nullptr);
}

// In this order: the placement, the event, then the alarm, so a program is started or a replay
// is under way before the popup opens.
void CharacterWindow::FireReminder(std::string message, std::string event) {
    if (IsWindowVisible(Handle())) {
        ShowMouse();  // a hidden character stays hidden
    }
    RunEventPath(EventRegistry::LookupEventPath(event), PlaybackPath);
    if (!message.empty()) {
        StartAlarm(kReminderAlarmCount, message);
    }
}

void CharacterWindow::AnnounceMissed(std::vector<MissedReminder> missed) {
    if (m_missed.Announce(Handle(), missed)) {
        m_alarm.Start(kMissedAlarmCount);
    }
}

// Woken from sleep: what fell due meanwhile is fired or told now, not at the next tick.
void CharacterWindow::OnPowerBroadcast(WPARAM event) {
    if (event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) {
        m_scheduler.WalkNow();
    }
    SetMessageResult(TRUE);
}

void CharacterWindow::StartAlarm(int count, const std::string& message) {
    m_alarm.Start(count);
    ShowReminderPopup(message);
}

void CharacterWindow::ShowReminderPopup(const std::string& message) {
    std::unique_ptr<ReminderPopup> popup = MakeReminderPopup(message);
    CurrentPopup = popup.get();
    popup->SetOnReleased([this](ReminderPopup* released) {
        if (CurrentPopup == released) {
            CurrentPopup = nullptr;
        }
    });
    if (popup->Open(Handle())) {
        static_cast<void>(popup.release());  // it owns itself until its window is gone
    } else {
        CurrentPopup = nullptr;
    }
}

void CharacterWindow::ShowMouse() {
    PlaceAtTaskbarCorner(Handle());
}

void CharacterWindow::OnTrayNotify(WPARAM id, LPARAM mouseMessage) {
    if (id != IDI_WHISKERTIME) {
        return;
    }
    switch (mouseMessage) {
        case WM_RBUTTONDOWN:
            OpenMouseMenu(Handle());
            break;
        case WM_LBUTTONDOWN:
            ShowMouse();
            break;
        default:
            break;
    }
}

// The settings window; "Add Study Event" there closes it, puts the character at its place and
// opens the recorder, and a fresh settings window (reading the events anew) follows the recorder.
void CharacterWindow::OnConfig() {
    while (SettingsDialog(nullptr, *this).DoModal() == SettingsDialog::kRecordStudyEvent) {
        ShowMouse();
        RecorderDialog(nullptr).DoModal();
    }
}

void CharacterWindow::OnHelp() {
    std::string appDirectory;
    GetAppDirectory(appDirectory);
    std::string page = appDirectory + "Help\\help.html";
    ShellExecuteA(Handle(), nullptr, page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// Ten times a second, but the local time is worked out only when its second has moved on, and only
// the digits that changed since the last tick or paint are drawn: an idle character costs next to
// nothing, and the time still shows at most one tick late.
void CharacterWindow::OnClockTick() {
    // The system clock's own count is cheap to ask; the local time takes the time zone's rules,
    // so it is asked only when a new second has begun.
    const Instant second = CurrentInstant();
    if (second != m_clockSecond) {
        const LocalDateTime local = CurrentLocalTime();
        m_clockSecond = second;
        m_hour = local.hour;
        m_minute = local.minute;
        m_second = local.second;
    }
    const std::array<int, 6> digits = ClockDigits(m_hour, m_minute, m_second);
    const std::array<bool, 6> changed = m_clockCells.Update(digits);
    if (std::find(changed.begin(), changed.end(), true) == changed.end()) {
        return;
    }
    gdi::WindowDC window(Handle());
    gdi::MemoryDC scratch(window.Get());
    for (std::size_t cell = 0; cell < kDigitCells.size(); ++cell) {
        if (!changed[cell]) {
            continue;
        }
        const Rect& r = kDigitCells[cell];
        gdi::DrawBitmap(window.Get(), scratch, m_digits[digits[cell]].Get(), r.left, r.top,
                        r.Width(), r.Height());
    }
}

// "config", "Do Now" and "about" while one of the program's dialogs is open: a second settings
// window over the first would edit the list behind the first one's rows, and a second recorder
// would capture over the first. The open dialog comes to the front instead.
bool CharacterWindow::BringOpenDialogToFront() {
    ModalDialog* open = ModalDialog::Innermost();
    if (open == nullptr || open == this) {
        return false;
    }
    BringToFront(open->Handle());
    return true;
}

bool CharacterWindow::OnCommand(int id, int) {
    if ((id == ID_MENU_DO_NOW || id == ID_MENU_CONFIG || id == ID_MENU_ABOUT) &&
        BringOpenDialogToFront()) {
        return true;
    }
    switch (id) {
        case ID_MENU_SHOW_MOUSE:
            ShowMouse();
            return true;
        case ID_MENU_HIDE_MOUSE:
            ShowWindow(Handle(), SW_HIDE);
            return true;
        case ID_MENU_DO_NOW:
            DoNowDialog(nullptr, *this).DoModal();
            return true;
        case ID_MENU_CONFIG:
            OnConfig();
            return true;
        case ID_MENU_HELP:
            OnHelp();
            return true;
        case ID_MENU_ABOUT:
            AboutDialog(nullptr).DoModal();
            return true;
        case ID_MENU_EXIT:
            OnExit();
            return true;
        default:
            return false;
    }
}

// The modal run ends on the quit message; the window's destruction comes back here, and both
// steps repeat harmlessly.
void CharacterWindow::OnExit() {
    m_scheduler.SaveState();
    m_tray.Remove();
    PostQuitMessage(0);
}
