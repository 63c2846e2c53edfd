#include "character_window.h"

#include <ctime>

#include "character/clock_face.h"
#include "paths/app_paths.h"
#include "reminders/reminder_store.h"
#include "resources/resource.h"
#include "skin/skin_manager.h"
#include "ui/application.h"

namespace {

constexpr UINT kClockPeriodMs = 100;
constexpr UINT kBlinkFirstMs = 2000;
constexpr UINT kSchedulePeriodMs = 10000;

gdi::Bitmap LoadBitmapResource(int id) {
    return gdi::Bitmap(LoadBitmapA(Application::Instance(), MAKEINTRESOURCEA(id)));
}

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up by name so the program still runs, as an opaque rectangle, where it is missing.
SetLayeredWindowAttributesFn FindSetLayeredWindowAttributes() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    FARPROC proc = GetProcAddress(user32, "SetLayeredWindowAttributes");
    return reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

CharacterWindow::CharacterWindow(HWND parent) : ModalDialog(IDD_CHARACTER, parent) {
    m_icon = LoadIconA(Application::Instance(), MAKEINTRESOURCEA(IDI_WHISKERTIME));

    std::string appDirectory;
    GetAppDirectory(appDirectory);
    SetAppPaths(appDirectory);

    SkinManager& skins = SkinManager::Instance();
    skins.SetOptions(skins.Options() | kSkinOptionDialogs);
    skins.LoadSkin(SkinPath.c_str(), nullptr);  // without a skin the plain look stays
}

BOOL CharacterWindow::OnInitDialog() {
    HWND hwnd = Handle();
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    // No taskbar button and no Alt+Tab entry.
    LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    SetWindowLongA(hwnd, GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);

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
    m_mouthOpen = LoadBitmapResource(IDB_MOUTH_OPEN);
    m_mouthClosed = LoadBitmapResource(IDB_MOUTH_CLOSED);

    GetAppDirectory(m_appDirectory);

    SetTimer(hwnd, ID_TIMER_BLINK, kBlinkFirstMs, nullptr);
    SetTimer(hwnd, ID_TIMER_CLOCK, kClockPeriodMs, nullptr);
    SetTimer(hwnd, ID_TIMER_SCHEDULE, kSchedulePeriodMs, nullptr);

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
    SetLayeredWindowAttributesFn setLayered = FindSetLayeredWindowAttributes();
    if (setLayered == nullptr) {
        return;
    }
    SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayered(hwnd, m_keyColour, 255, LWA_COLORKEY);
}

INT_PTR CharacterWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
        case WM_TIMER:
            OnTimer(wParam);
            return FALSE;  // every timer, known or not, goes on to the default handling
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
        case ID_TIMER_ALARM_ANIMATION:
        case ID_TIMER_ALARM_STOP:
        case ID_TIMER_SQUEAK:
        case ID_TIMER_SCHEDULE:
        case ID_TIMER_SCHEDULE_RESUME:
        default:
            break;
    }
}

void CharacterWindow::OnClockTick() {
    std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
        m_hour = local->tm_hour;
        m_minute = local->tm_min;
        m_second = local->tm_sec;
    }
    gdi::WindowDC window(Handle());
    gdi::MemoryDC scratch(window.Get());
    std::array<int, 6> digits = ClockDigits(m_hour, m_minute, m_second);
    for (std::size_t cell = 0; cell < kDigitCells.size(); ++cell) {
        const Rect& r = kDigitCells[cell];
        gdi::DrawBitmap(window.Get(), scratch, m_digits[digits[cell]].Get(), r.left, r.top,
                        r.Width(), r.Height());
    }
}

bool CharacterWindow::OnCommand(int id, int) {
    switch (id) {
        case ID_MENU_EXIT:
            OnExit();
            return true;
        default:
            return false;
    }
}

void CharacterWindow::OnExit() {
    PostQuitMessage(0);
}
