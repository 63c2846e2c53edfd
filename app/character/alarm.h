// The alarm on the character: the mouth snaps open and shut and a squeak sounds every 2 s, for
// count x 2 s; then the mouth is shut and the artwork below it repainted. It owns its three
// timers on the character window and the mouth pictures. The popup is not its business.
#pragma once

#include <windows.h>

#include <string>

#include "ui/gdi.h"
#include "ui/handles.h"

class Alarm {
public:
    Alarm() = default;
    // Stops a squeak still playing before the sound library goes.
    ~Alarm();
    Alarm(const Alarm&) = delete;
    Alarm& operator=(const Alarm&) = delete;

    // Once the window exists: loads the mouth pictures; `squeakPath` names the sound.
    void Attach(HWND window, std::string squeakPath);

    // Starts (or restarts, with the new count) the mouth, the stop and the squeak timers, and
    // squeaks at once. The mouth carries on from where the last alarm left it.
    void Start(int count);

    // A tick of one of the alarm's timers; false for any other id.
    bool OnTimer(UINT_PTR id);

private:
    void OnMouthStep();
    void OnStop();
    // Asynchronous: returns at once, and a newer squeak replaces one still playing. Without the
    // file the platform plays its default sound.
    void Squeak() const;

    HWND m_window = nullptr;
    std::string m_squeakPath;
    // The sound library, loaded at the first squeak: an idle character never needs it.
    mutable Library m_sound;
    gdi::Bitmap m_mouthOpen;
    gdi::Bitmap m_mouthClosed;
};
