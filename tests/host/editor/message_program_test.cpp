// The message block Bandpost carries: how Bandpost reads its text, and how the editor finds it in
// a copy of the program and writes a recipient's text into it.
#include "common/message_block.h"
#include "editor/export/message_program.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

constexpr size_t kBlockAt = 24032;

std::string InitialBlock() {
    std::string block(kInitialMessage);
    block.resize(kMessageBlockSize, ' ');
    return block;
}

std::string TextOf(const char* block) {
    return std::string(block, MessageTextLength(block));
}

// A program image of the shipped size, its block where the shipped build has it, and around it
// bytes that no text could be confused with.
std::vector<uint8_t> ProgramImage() {
    std::vector<uint8_t> image(26624);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 7 + 1);
    const std::string block = InitialBlock();
    std::copy(block.begin(), block.end(), image.begin() + kBlockAt);
    return image;
}

// Trailing spaces are trimmed only where they run up to byte 510; byte 511 is never text.
TEST(MessageBlock, TextEndsAtItsNulOrAtTheSpacesBeforeByte511) {
    // Each case: the byte the block is filled with, one byte put in it, and the text's length.
    const std::tuple<const char*, char, size_t, char, size_t> cases[] = {
        {"spaces alone", ' ', 0, ' ', 0},
        {"one letter", ' ', 0, 'x', 1},
        {"a letter at byte 509", ' ', 509, 'y', 510},
        {"a letter at byte 511 alone", ' ', 511, 'Z', 0},
        {"full, byte 511 too", 'a', 511, 'Z', 511},
    };
    for (const auto& [name, fill, at, put, length] : cases) {
        std::string block(kMessageBlockSize, fill);
        block[at] = put;
        EXPECT_EQ(MessageTextLength(block.data()), length) << name;
    }
    EXPECT_EQ(TextOf(InitialBlock().data()), "Sample Text Start");
    std::string block = InitialBlock();
    WriteMessageText(block.data(), "Hello   ", 8);
    EXPECT_EQ(TextOf(block.data()), "Hello   ") << "spaces before the NUL are the writer's own";
}

TEST(MessageBlock, IsFoundInAProgramImageByItsInitialContentOnlyWhenThereIsOne) {
    std::vector<uint8_t> image(4096, ' ');
    EXPECT_EQ(FindMessageBlock(image.data(), image.size()), kNoMessageBlock) << "spaces alone are not the block";
    const std::string block = InitialBlock();
    std::copy(block.begin(), block.end(), image.begin() + 1000);
    EXPECT_EQ(FindMessageBlock(image.data(), image.size()), 1000u);
    EXPECT_EQ(FindMessageBlock(image.data(), 100), kNoMessageBlock) << "an image smaller than a block";
    std::copy(block.begin(), block.end(), image.begin() + 3000);
    EXPECT_EQ(FindMessageBlock(image.data(), image.size()), kNoMessageBlock)
        << "two candidates leave no single place to write";
    image[3000] = 's';
    EXPECT_EQ(FindMessageBlock(image.data(), image.size()), 1000u);
}

TEST(MessageProgram, WritesTheTrimmedTextAndItsNulIntoTheBlockAndNothingElse) {
    const std::vector<uint8_t> image = ProgramImage();
    std::vector<uint8_t> expected = image;
    std::copy_n("Hi  there", 10, expected.begin() + kBlockAt); // the rest of the initial text stays past the NUL
    EXPECT_EQ(PersonalisedProgram(image.data(), image.size(), "\t\r\n Hi  there \n"), expected);

    const std::string longest(511, 'x');
    std::copy_n(longest.c_str(), kMessageBlockSize, expected.begin() + kBlockAt);
    EXPECT_EQ(PersonalisedProgram(image.data(), image.size(), longest + "y"), expected)
        << "cut to what the block holds";
}

TEST(MessageProgram, RefusesAnImageWithoutOneUnwrittenBlock) {
    std::vector<uint8_t> image = ProgramImage();
    const std::vector<uint8_t> once = PersonalisedProgram(image.data(), image.size(), "Hi");
    EXPECT_TRUE(PersonalisedProgram(once.data(), once.size(), "Again").empty()) << "a copy already written";
    image.resize(kBlockAt + kMessageBlockSize - 1);
    EXPECT_TRUE(PersonalisedProgram(image.data(), image.size(), "Hi").empty()) << "a block cut off";
}

} // namespace
} // namespace bndx
