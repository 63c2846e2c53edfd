// The skin manager: reads "mouse.skin", a small text file of named colours, that the dialog
// framework uses to tint the program's windows. Without a skin every window keeps the platform's
// plain look, and the program works the same.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Option flags of the manager.
inline constexpr unsigned kSkinOptionDialogs = 1;  // skin the program's dialogs and their controls

// A loaded skin: colours by name, 0x00BBGGRR like a COLORREF.
struct Skin {
    std::map<std::string, std::uint32_t, std::less<>> colours;

    // The colour of this name, or nothing.
    std::optional<std::uint32_t> Colour(std::string_view name) const;
};

// Reads "name=#RRGGBB" lines of the given section ("colours" when none is named); every other
// line is skipped. Returns nothing when the text holds no colour at all.
std::optional<Skin> ReadSkin(std::string_view text, std::string_view section = "colours");

class SkinManager {
public:
    // The process-wide manager, created on first use.
    static SkinManager& Instance();

    unsigned Options() const { return m_options; }
    void SetOptions(unsigned options) { m_options = options; }

    // Loads the skin file; `section` picks a section other than "colours". A file that is
    // missing or holds no colour leaves the current skin in place and returns false.
    bool LoadSkin(const char* path, const char* section = nullptr);

    bool IsLoaded() const { return m_skin.has_value(); }
    // The loaded skin, or null.
    const Skin* Loaded() const { return m_skin ? &*m_skin : nullptr; }
    // Counts the skins loaded so far, so that what is made from one can tell when it is stale.
    unsigned Generation() const { return m_generation; }
    std::optional<std::uint32_t> Colour(std::string_view name) const;

private:
    SkinManager() = default;

    unsigned m_options = 0;
    unsigned m_generation = 0;
    std::optional<Skin> m_skin;
};
