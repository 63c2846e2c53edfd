// What a skin paints: the colours a loaded skin gives the dialogs, and which control gets which of
// them. Plain C++; the dialog framework turns the answers into brushes and text colours.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/skin_manager.h"

// Colours are 0x00BBGGRR, like a COLORREF.
using SkinColour = std::uint32_t;

// The contrast text needs against its background to stay readable.
inline constexpr double kReadableContrast = 4.5;

// The relative luminance of a colour (0 black .. 1 white), on the sRGB curve.
double RelativeLuminance(SkinColour colour);
// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(SkinColour a, SkinColour b);
// `wanted` when it reads well on `background`, otherwise black or white, whichever reads better
// (one of them always reaches the ratio).
SkinColour ReadableOn(SkinColour background, std::optional<SkinColour> wanted);

// The colours of a skin that paints dialogs. Text colours always read on `dialog`.
struct SkinPalette {
    SkinColour dialog;   // "dialog": the face of every dialog and of the labels on it
    SkinColour text;     // "text": labels, check boxes and radio buttons
    SkinColour heading;  // "heading": group-box captions; the text colour when not named
    SkinColour accent;   // "accent": group-box frames; the heading colour when not named
};

// The palette of a skin, or nothing when it names no "dialog" colour (the platform look stays).
std::optional<SkinPalette> MakeSkinPalette(const Skin& skin);

// The kinds of control a dialog holds, as far as their colours go.
enum class ControlKind {
    DialogFace,    // the dialog's own background
    Label,         // static text and pictures
    CheckBox,      // check boxes and radio buttons
    GroupBox,      // a group's frame and caption
    ReadOnlyEdit,  // an edit box that is read-only or disabled: it shows the face
    StateLegend,   // a label in a reminder state's colour, explaining the list's rows
    PushButton,
    EditField,  // edit boxes, list boxes and list views: white fields, as the platform draws them
};

// Where a control's background comes from.
enum class Backdrop {
    Platform,  // the platform's own answer
    Skin,      // the skin's dialog colour
    Field,     // the platform's field colour (white), as behind the list's rows
};

struct ControlLook {
    Backdrop backdrop = Backdrop::Platform;
    std::optional<SkinColour> text;   // nothing: the platform's, or the control's own
    std::optional<SkinColour> frame;  // a frame the skin draws (group boxes)
};

// How a control of `kind` looks; without a palette, everything is the platform's.
ControlLook LookOf(ControlKind kind, const SkinPalette* palette);
