// Lines as the three readers see them.
#include "ui/text_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(ForEachLine, SplitsAtLineFeedsAndDropsTheCarriageReturnBeforeOne) {
    using L = std::vector<std::string>;
    EXPECT_EQ(Lines(""), L{});
    EXPECT_EQ(Lines("a"), L{"a"});
    EXPECT_EQ(Lines("a\n"), L{"a"}) << "nothing follows a final line feed";
    EXPECT_EQ(Lines("a\r\nb\nc"), (L{"a", "b", "c"}));
    EXPECT_EQ(Lines("\n\n"), (L{"", ""}));
    EXPECT_EQ(Lines("a\rb\r\n"), L{"a\rb"}) << "a lone CR does not end a line";
    EXPECT_EQ(Lines("last\r"), L{"last"});
    EXPECT_EQ(Lines(std::string("n\0ul\n", 5)), L{std::string("n\0ul", 4)});
}

TEST(ReadTextFile, AMissingFileIsNoText) {
    std::string text = "kept";
    EXPECT_FALSE(ReadTextFile("/nonexistent/whiskertime/userconfig.ini", text));
}

TEST(ReadTextFile, AFileLargerThanTheLimitIsNotReadAtAll) {
    const std::string path = testing::TempDir() + "whiskertime_large.ini";
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string block(100000, 'x');
        for (int i = 0; i < 3; ++i) {
            std::fwrite(block.data(), 1, block.size(), file);
        }
        std::fclose(file);
    }
    std::string text;
    EXPECT_TRUE(ReadTextFile(path, text, 300000));
    EXPECT_EQ(text.size(), 300000u);
    EXPECT_FALSE(ReadTextFile(path, text, 299999));
    EXPECT_TRUE(text.empty());
    std::remove(path.c_str());
}

}  // namespace
