#include "common/message_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using bndx::kMessageBlockSize;

std::string InitialBlock() {
    std::string block(bndx::kInitialMessage);
    block.resize(kMessageBlockSize, ' ');
    return block;
}

std::string TextOf(const std::string& block) {
    return block.substr(0, bndx::MessageTextLength(block.data()));
}

TEST(MessageBlock, ReadsTheTextItWasBuiltOrWrittenWith) {
    EXPECT_EQ(TextOf(InitialBlock()), "Sample Text Start");

    std::string block = InitialBlock();
    bndx::WriteMessageText(block.data(), "Hi", 2);
    EXPECT_EQ(TextOf(block), "Hi");
    EXPECT_EQ(block.substr(3, 14), "ple Text Start") << "bytes past the NUL keep what was there";

    block = InitialBlock();
    bndx::WriteMessageText(block.data(), "Hello   ", 8);
    EXPECT_EQ(TextOf(block), "Hello   ") << "spaces before the NUL are the writer's own";
}

TEST(MessageBlock, TrimsOnlyTheSpacesThatRunUpToByte510) {
    std::string block(kMessageBlockSize, ' ');
    EXPECT_EQ(TextOf(block), "") << "a block of spaces holds no text";

    block[0] = 'x';
    EXPECT_EQ(TextOf(block), "x");

    block.assign(kMessageBlockSize, ' ');
    block[509] = 'y';
    EXPECT_EQ(TextOf(block).size(), 510u);
}

TEST(MessageBlock, NeverReadsByte511) {
    std::string block(kMessageBlockSize, 'a');
    block[511] = 'Z';
    EXPECT_EQ(TextOf(block), std::string(511, 'a'));

    block[511] = '\0';
    EXPECT_EQ(TextOf(block).size(), 511u);

    block.assign(kMessageBlockSize, ' ');
    block[511] = 'Z';
    EXPECT_EQ(TextOf(block), "") << "byte 511 alone is not text";
}

TEST(MessageBlock, IsFoundInAProgramImageByItsInitialContent) {
    std::vector<uint8_t> image(4096, 0x20);
    EXPECT_EQ(bndx::FindMessageBlock(image.data(), image.size()), bndx::kNoMessageBlock)
        << "spaces alone are not the block";

    const std::string block = InitialBlock();
    std::copy(block.begin(), block.end(), image.begin() + 1000);
    EXPECT_EQ(bndx::FindMessageBlock(image.data(), image.size()), 1000u);

    EXPECT_EQ(bndx::FindMessageBlock(image.data(), 1000 + kMessageBlockSize - 1), bndx::kNoMessageBlock)
        << "a block cut off by the end of the image";
    EXPECT_EQ(bndx::FindMessageBlock(image.data(), 100), bndx::kNoMessageBlock);

    std::copy(block.begin(), block.end(), image.begin() + 3000);
    EXPECT_EQ(bndx::FindMessageBlock(image.data(), image.size()), bndx::kNoMessageBlock)
        << "two candidates leave no single place to write";

    image[3000] = 's';
    EXPECT_EQ(bndx::FindMessageBlock(image.data(), image.size()), 1000u);
}

} // namespace
