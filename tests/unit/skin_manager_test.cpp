#include "skin/skin_manager.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReadSkin, ReadsColoursOfItsSectionAsColorref) {
    const std::string in(
        "; comment\n[other]\ndialog=#000000\n[colours]\r\n dialog = #FBF4E6 \r\ntext=#3a2c22\n"
        "bad=#12345\nworse=#GGGGGG\nnoequals\n");
    auto skin = ReadSkin(in);
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->colours.size(), 2u);
    EXPECT_EQ(skin->colours.at("dialog"), 0x00E6F4FBu);
    EXPECT_EQ(skin->colours.at("text"), 0x00222C3Au);
}

TEST(ReadSkin, TextWithoutColoursIsNoSkin) {
    for (const char* text : {"", "[colours]\n", "dialog=#FFFFFF\n", "\0\0\0[colours"}) {
        const std::string in(text);
        EXPECT_FALSE(ReadSkin(in)) << text;
    }
}

TEST(SkinManager, AMissingFileKeepsThePlainLook) {
    SkinManager& skins = SkinManager::Instance();
    EXPECT_FALSE(skins.LoadSkin("/nonexistent/mouse.skin"));
    EXPECT_FALSE(skins.LoadSkin(nullptr));
    EXPECT_FALSE(skins.IsLoaded());
    EXPECT_FALSE(skins.Colour("dialog"));
    skins.SetOptions(skins.Options() | kSkinOptionDialogs);
    EXPECT_EQ(skins.Options() & kSkinOptionDialogs, kSkinOptionDialogs);
}
