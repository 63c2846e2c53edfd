#include "skin/skin_palette.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr SkinColour kBlack = 0x000000;
constexpr SkinColour kWhite = 0xFFFFFF;

Skin SkinOf(std::initializer_list<std::pair<const char*, SkinColour>> colours) {
    Skin skin;
    for (const auto& [name, colour] : colours) {
        skin.colours[name] = colour;
    }
    return skin;
}

std::string ReadSource(const std::string& path) {
    std::ifstream in(std::string(WHISKERTIME_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(ContrastRatio, MatchesTheKnownFigures) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kBlack), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x123456, 0x123456), 1.0, 1e-9);
    // Grey #777777 just misses 4.5:1 on white; #767676 just reaches it.
    EXPECT_NEAR(ContrastRatio(0x777777, kWhite), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio(0x767676, kWhite), 4.54, 0.01);
    // The channels are weighed as the eye does, and in COLORREF order: pure red (0x0000FF) is
    // darker than pure green (0x00FF00) and lighter than pure blue (0xFF0000).
    EXPECT_NEAR(ContrastRatio(0x0000FF, kWhite), 4.00, 0.01);
    EXPECT_NEAR(ContrastRatio(0x00FF00, kWhite), 1.37, 0.01);
    EXPECT_NEAR(ContrastRatio(0xFF0000, kWhite), 8.59, 0.01);
}

TEST(ReadableOn, KeepsAColourThatReadsAndOtherwiseTakesBlackOrWhite) {
    struct Case {
        const char* name;
        SkinColour background;
        std::optional<SkinColour> wanted;
        SkinColour expected;
    };
    const Case cases[] = {
        {"reads on white", kWhite, 0x767676, 0x767676},
        {"just too light on white", kWhite, 0x777777, kBlack},
        {"nothing wanted on cream", 0xE6F4FB, std::nullopt, kBlack},
        {"nothing wanted on navy", 0x402010, std::nullopt, kWhite},
        {"dark on dark", 0x202020, 0x404040, kWhite},
        {"the background itself", 0xE6F4FB, 0xE6F4FB, kBlack},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadableOn(c.background, c.wanted), c.expected) << c.name;
    }
}

TEST(MakeSkinPalette, NeedsADialogColourAndFillsTheRestFromIt) {
    EXPECT_FALSE(MakeSkinPalette(Skin{}));
    EXPECT_FALSE(MakeSkinPalette(SkinOf({{"text", kBlack}, {"accent", 0x0000FF}})));

    auto alone = MakeSkinPalette(SkinOf({{"dialog", 0x402010}}));
    ASSERT_TRUE(alone);
    EXPECT_EQ(alone->dialog, 0x402010u);
    EXPECT_EQ(alone->text, kWhite);
    EXPECT_EQ(alone->heading, kWhite) << "the heading follows the text";
    EXPECT_EQ(alone->accent, kWhite) << "the accent follows the heading";

    auto unreadable = MakeSkinPalette(SkinOf(
        {{"dialog", kWhite}, {"text", 0xEEEEEE}, {"heading", 0x00FFFF}, {"accent", 0xDDDDDD}}));
    ASSERT_TRUE(unreadable);
    EXPECT_EQ(unreadable->text, kBlack);
    EXPECT_EQ(unreadable->heading, kBlack);
    EXPECT_EQ(unreadable->accent, 0xDDDDDDu) << "frames carry no text and keep their colour";
}

// Whatever a skin names, the text it ends up with reads on its face.
TEST(MakeSkinPalette, TextAlwaysReadsOnTheFace) {
    std::mt19937 random(7);
    std::uniform_int_distribution<SkinColour> colour(0, 0xFFFFFF);
    for (int i = 0; i < 20000; ++i) {
        Skin skin = SkinOf(
            {{"dialog", colour(random)}, {"text", colour(random)}, {"heading", colour(random)}});
        auto palette = MakeSkinPalette(skin);
        ASSERT_TRUE(palette);
        ASSERT_GE(ContrastRatio(palette->text, palette->dialog), kReadableContrast)
            << std::hex << palette->dialog;
        ASSERT_GE(ContrastRatio(palette->heading, palette->dialog), kReadableContrast)
            << std::hex << palette->dialog;
    }
}

TEST(LookOf, GivesEachKindOfControlItsColours) {
    const SkinPalette palette{0xE6F4FB, 0x222C3A, 0x976F2A, 0xA8A5E9};
    struct Case {
        ControlKind kind;
        const char* name;
        Backdrop backdrop;
        std::optional<SkinColour> text;
        std::optional<SkinColour> frame;
    };
    const Case cases[] = {
        {ControlKind::DialogFace, "face", Backdrop::Skin, std::nullopt, std::nullopt},
        {ControlKind::Label, "label", Backdrop::Skin, palette.text, std::nullopt},
        {ControlKind::CheckBox, "check box", Backdrop::Skin, palette.text, std::nullopt},
        {ControlKind::ReadOnlyEdit, "read-only edit", Backdrop::Skin, palette.text, std::nullopt},
        {ControlKind::GroupBox, "group box", Backdrop::Skin, palette.heading, palette.accent},
        {ControlKind::PushButton, "push button", Backdrop::Skin, std::nullopt, std::nullopt},
        // The legend keeps its state colour, on the white the rows have.
        {ControlKind::StateLegend, "legend", Backdrop::Field, std::nullopt, std::nullopt},
        {ControlKind::EditField, "edit field", Backdrop::Platform, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControlLook look = LookOf(c.kind, &palette);
        EXPECT_EQ(look.backdrop, c.backdrop);
        EXPECT_EQ(look.text, c.text);
        EXPECT_EQ(look.frame, c.frame);

        ControlLook plain = LookOf(c.kind, nullptr);
        EXPECT_EQ(plain.backdrop, Backdrop::Platform) << "without a skin, the platform's look";
        EXPECT_FALSE(plain.text);
        EXPECT_FALSE(plain.frame);
    }
}

// The skin the program ships reads well as it stands, and wears the help page's colours.
TEST(ShippedSkin, ReadsWellAndMatchesTheHelpPage) {
    auto skin = ReadSkin(ReadSource("app/skin/mouse.skin"));
    ASSERT_TRUE(skin);
    auto palette = MakeSkinPalette(*skin);
    ASSERT_TRUE(palette);
    EXPECT_EQ(palette->text, skin->colours.at("text")) << "its text needs no correction";
    EXPECT_EQ(palette->heading, skin->colours.at("heading")) << "nor its heading";
    EXPECT_EQ(palette->accent, skin->colours.at("accent"));

    const std::string help = ReadSource("app/resources/Help/help.html");
    for (const char* name : {"dialog", "text", "heading", "accent"}) {
        SkinColour c = skin->colours.at(name);
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
        EXPECT_NE(help.find(hex), std::string::npos)
            << name << " " << hex << " is on the help page";
    }
}
