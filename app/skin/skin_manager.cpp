#include "skin_manager.h"

#include "ui/text_file.h"

namespace {

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r";
    std::size_t first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "#RRGGBB" as 0x00BBGGRR.
std::optional<std::uint32_t> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') {
        return std::nullopt;
    }
    std::uint32_t rgb = 0;
    for (char c : text.substr(1)) {
        int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    std::uint32_t red = rgb >> 16 & 0xFF;
    std::uint32_t green = rgb >> 8 & 0xFF;
    std::uint32_t blue = rgb & 0xFF;
    return blue << 16 | green << 8 | red;
}

}  // namespace

std::optional<Skin> ReadSkin(std::string_view text, std::string_view section) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";  // Notepad's UTF-8 files begin with it
    if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    Skin skin;
    bool inSection = false;
    ForEachLine(text, [&](std::string_view raw) {
        std::string_view line = Trim(raw);
        if (line.starts_with('[')) {
            inSection = line.size() >= 2 && line.back() == ']' &&
                        line.substr(1, line.size() - 2) == section;
            return;
        }
        std::size_t equals = line.find('=');
        if (!inSection || line.starts_with(';') || equals == std::string_view::npos) {
            return;
        }
        std::string_view name = Trim(line.substr(0, equals));
        if (auto colour = ParseColour(Trim(line.substr(equals + 1))); colour && !name.empty()) {
            skin.colours[std::string(name)] = *colour;
        }
    });
    if (skin.colours.empty()) {
        return std::nullopt;
    }
    return skin;
}

SkinManager& SkinManager::Instance() {
    static SkinManager manager;
    return manager;
}

bool SkinManager::LoadSkin(const char* path, const char* section) {
    if (path == nullptr) {
        return false;
    }
    std::string text;
    if (!ReadTextFile(path, text)) {
        return false;
    }
    auto skin = ReadSkin(text, section != nullptr ? section : "colours");
    if (!skin) {
        return false;
    }
    m_skin = std::move(skin);
    ++m_generation;
    return true;
}

std::optional<std::uint32_t> Skin::Colour(std::string_view name) const {
    auto found = colours.find(name);
    if (found == colours.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::uint32_t> SkinManager::Colour(std::string_view name) const {
    return m_skin ? m_skin->Colour(name) : std::nullopt;
}
