// Feeds arbitrary bytes to the skin reader and the palette made from it, and checks what they
// promise: no crash, only named colours of 24 bits, and text that reads on the dialog's face.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "skin/skin_manager.h"
#include "skin/skin_palette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto skin = ReadSkin(text);
    if (!skin) {
        return 0;
    }
    if (skin->colours.empty()) {
        std::abort();
    }
    for (const auto& [name, colour] : skin->colours) {
        if (name.empty() || colour > 0xFFFFFF || name.find('=') != std::string::npos) {
            std::abort();
        }
    }
    if (auto palette = MakeSkinPalette(*skin)) {
        if (ContrastRatio(palette->text, palette->dialog) < kReadableContrast ||
            ContrastRatio(palette->heading, palette->dialog) < kReadableContrast) {
            std::abort();
        }
    }
    return 0;
}
