// What dresses the program's dialogs beyond the platform's look, such as a skin. The dialog base
// asks the look set at start-up; with none set, or where it answers nothing, the platform's look
// stays.
#pragma once

#include <windows.h>

class DialogLook {
public:
    // Answers a WM_CTLCOLOR* message of a dialog for one of its controls (the dialog itself for
    // WM_CTLCOLORDLG): sets the DC's colours and returns the background brush, which stays the
    // look's, or null to leave the message to the platform. `stateLegend` says the dialog uses
    // the control to explain the colours of a list's rows.
    virtual HBRUSH ControlColour(UINT message, HWND control, HDC dc, bool stateLegend) const = 0;
    // Dresses a dialog whose controls have just been created.
    virtual void Dress(HWND dialog) const = 0;

protected:
    ~DialogLook() = default;
};
