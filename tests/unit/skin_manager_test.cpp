#include "skin/skin_manager.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

TEST(ReadSkin, ReadsColoursOfItsSectionAsColorref) {
    const std::string in(
        "; comment\n[other]\ndialog=#000000\n[colours]\r\n dialog = #FBF4E6 \r\ntext=#3a2c22\n"
        "bad=#12345\nworse=#GGGGGG\nnoequals\n;accent=#000000\n");
    auto skin = ReadSkin(in);
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->colours.size(), 2u);
    EXPECT_EQ(skin->colours.at("dialog"), 0x00E6F4FBu);
    EXPECT_EQ(skin->colours.at("text"), 0x00222C3Au);
}

TEST(ReadSkin, AUtf8FileFromNotepadIsReadLikeAnyOther) {
    auto skin = ReadSkin("\xEF\xBB\xBF[colours]\r\ndialog=#FBF4E6\r\n");
    ASSERT_TRUE(skin);
    EXPECT_EQ(skin->colours.at("dialog"), 0x00E6F4FBu);
    EXPECT_FALSE(ReadSkin("[colours]\n\xEF\xBB\xBF\n")) << "only at the very start";
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
    EXPECT_EQ(skins.Generation(), 0u) << "what is made from a skin has nothing to remake";
    skins.SetOptions(skins.Options() | kSkinOptionDialogs);
    EXPECT_EQ(skins.Options() & kSkinOptionDialogs, kSkinOptionDialogs);
}

TEST(SkinManager, EachLoadedSkinIsANewGenerationAndAFailedLoadKeepsTheLastOne) {
    const std::string path = testing::TempDir() + "whiskertime-skin-test.skin";
    auto write = [&](const char* text) { std::ofstream(path, std::ios::binary) << text; };
    SkinManager& skins = SkinManager::Instance();
    unsigned before = skins.Generation();

    write("[colours]\ndialog=#102030\n");
    ASSERT_TRUE(skins.LoadSkin(path.c_str()));
    EXPECT_EQ(skins.Generation(), before + 1);
    write("[colours]\ndialog=#405060\n");
    ASSERT_TRUE(skins.LoadSkin(path.c_str()));
    EXPECT_EQ(skins.Generation(), before + 2);
    EXPECT_EQ(skins.Colour("dialog"), 0x00605040u);

    write("damaged: no colour at all");
    EXPECT_FALSE(skins.LoadSkin(path.c_str()));
    EXPECT_EQ(skins.Generation(), before + 2);
    ASSERT_NE(skins.Loaded(), nullptr);
    EXPECT_EQ(skins.Colour("dialog"), 0x00605040u);
    std::remove(path.c_str());
}
