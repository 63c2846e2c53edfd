#include "skin_palette.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr SkinColour kBlack = 0x000000;
constexpr SkinColour kWhite = 0xFFFFFF;

// One 8-bit sRGB channel as linear light.
double Linear(SkinColour channel) {
    double value = static_cast<double>(channel & 0xFF) / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(SkinColour colour) {
    return 0.2126 * Linear(colour) + 0.7152 * Linear(colour >> 8) + 0.0722 * Linear(colour >> 16);
}

double ContrastRatio(SkinColour a, SkinColour b) {
    double first = RelativeLuminance(a);
    double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

SkinColour ReadableOn(SkinColour background, std::optional<SkinColour> wanted) {
    if (wanted && ContrastRatio(*wanted, background) >= kReadableContrast) {
        return *wanted;
    }
    return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

std::optional<SkinPalette> MakeSkinPalette(const Skin& skin) {
    auto dialog = skin.Colour("dialog");
    if (!dialog) {
        return std::nullopt;
    }
    SkinPalette palette{};
    palette.dialog = *dialog;
    palette.text = ReadableOn(*dialog, skin.Colour("text"));
    palette.heading = ReadableOn(*dialog, skin.Colour("heading").value_or(palette.text));
    palette.accent = skin.Colour("accent").value_or(palette.heading);
    return palette;
}

ControlLook LookOf(ControlKind kind, const SkinPalette* palette) {
    if (palette == nullptr) {
        return {};
    }
    switch (kind) {
        case ControlKind::DialogFace:
        case ControlKind::PushButton:  // only the corners around the button show it
            return {Backdrop::Skin, std::nullopt, std::nullopt};
        case ControlKind::Label:
        case ControlKind::CheckBox:
        case ControlKind::ReadOnlyEdit:
            return {Backdrop::Skin, palette->text, std::nullopt};
        case ControlKind::GroupBox:
            return {Backdrop::Skin, palette->heading, palette->accent};
        case ControlKind::StateLegend:
            // On the rows' own white, so each state colour reads exactly as in the list.
            return {Backdrop::Field, std::nullopt, std::nullopt};
        case ControlKind::EditField:
            return {};
    }
    return {};
}
