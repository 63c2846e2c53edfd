// The loaded skin on the program's dialogs: the brushes of its palette, made once per skin and
// held until another skin is loaded or the process ends, and the answers to the colour messages
// of each control.
#pragma once

#include <windows.h>

#include "skin/skin_palette.h"
#include "ui/dialog_look.h"
#include "ui/gdi.h"

class DialogSkin {
public:
    explicit DialogSkin(const SkinPalette& palette);

    // The skin that dresses dialogs now, or null: the dialogs option bit is clear, no skin is
    // loaded, or the loaded one names no dialog colour. Dialogs then keep the platform's look.
    static const DialogSkin* Active();

    // Answers a WM_CTLCOLOR* message for a control of `kind`: sets the DC's colours and returns
    // the background brush, or null to leave the message to the platform. The brush belongs to
    // the skin or to the system.
    HBRUSH Colour(ControlKind kind, HDC dc) const;

    // Gives the dialog's group boxes the skin's frame and caption colours, and sets its pictures
    // on the skin's face. Call once, when the dialog's controls exist.
    void Dress(HWND dialog) const;
    // Draw a dressed group box and a dressed picture.
    void PaintGroupBox(HWND box, HDC dc) const;
    void PaintPicture(HWND picture, HDC dc) const;

private:
    SkinPalette m_palette;
    gdi::Brush m_face;
    gdi::Brush m_groupFrame;
};

// The skin as the look of the program's dialogs: every answer comes from the skin that is active
// at the time, and is the platform's when none is.
const DialogLook& SkinLook();
