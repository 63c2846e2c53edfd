#include "character/alarm.h"

#include <mmsystem.h>

#include <utility>

#include "character/character_animation.h"
#include "character/picture.h"
#include "resources/resource.h"
#include "ui/win_geometry.h"

void Alarm::Attach(HWND window, std::string squeakPath) {
    m_window = window;
    m_squeakPath = std::move(squeakPath);
    m_mouthOpen = LoadBitmapResource(IDB_MOUTH_OPEN);
    m_mouthClosed = LoadBitmapResource(IDB_MOUTH_CLOSED);
}

void Alarm::Start(int count) {
    SetTimer(m_window, ID_TIMER_ALARM_ANIMATION, kAlarmFirstStepMs, nullptr);
    SetTimer(m_window, ID_TIMER_ALARM_STOP, static_cast<UINT>(count) * kAlarmUnitMs, nullptr);
    SetTimer(m_window, ID_TIMER_SQUEAK, kAlarmUnitMs, nullptr);
    Squeak();
}

bool Alarm::OnTimer(UINT_PTR id) {
    switch (id) {
        case ID_TIMER_ALARM_ANIMATION:
            OnMouthStep();
            return true;
        case ID_TIMER_ALARM_STOP:
            OnStop();
            return true;
        case ID_TIMER_SQUEAK:
            Squeak();
            return true;
        default:
            return false;
    }
}

void Alarm::OnMouthStep() {
    AnimationStep step = NextMouthStep();
    DrawPicture(m_window, step.bitmapId == IDB_MOUTH_OPEN ? m_mouthOpen.Get() : m_mouthClosed.Get(),
                kMouthArea);
    SetTimer(m_window, ID_TIMER_ALARM_ANIMATION, step.periodMs, nullptr);
}

void Alarm::OnStop() {
    KillTimer(m_window, ID_TIMER_ALARM_ANIMATION);
    KillTimer(m_window, ID_TIMER_ALARM_STOP);
    KillTimer(m_window, ID_TIMER_SQUEAK);
    DrawPicture(m_window, m_mouthClosed.Get(), kMouthArea);
    // The paint that follows copies the whole artwork over the window again.
    RECT band = ToRECT(kAlarmStopBand);
    InvalidateRect(m_window, &band, TRUE);
}

namespace {

using PlaySoundFn = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);

}  // namespace

Alarm::~Alarm() {
    if (auto playSound = m_sound.Find<PlaySoundFn>("PlaySoundA")) {
        playSound(nullptr, nullptr, 0);
    }
}

void Alarm::Squeak() const {
    if (!m_sound) {
        m_sound = Library::System("winmm.dll");
    }
    if (auto playSound = m_sound.Find<PlaySoundFn>("PlaySoundA")) {
        playSound(m_squeakPath.c_str(), nullptr, SND_ASYNC);
    }
}
