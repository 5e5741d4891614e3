#include "common/file_headers.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// 0xBB3D is the standard check value of CRC-16/ARC, the CRC of "123456789".
TEST(FileHeaders, ChecksumIsTheArcCrcOfTheDescriptionLeavingOutItsLastCharacter) {
    EXPECT_EQ(bndx::DescriptionChecksum("1234567890"), 0xBB3Du);
    EXPECT_EQ(bndx::DescriptionChecksum(""), 0u);
    EXPECT_EQ(bndx::DescriptionChecksum("A"), 0u) << "one character: nothing is covered";
}

TEST(FileHeaders, HeadersAreWrittenWithVersionChecksumAndACutZeroFilledDescription) {
    const std::string longName(40, 'x');
    const auto fg = bndx::MakeForegroundHeader(longName, 2);
    uint8_t bytes[48];
    std::memcpy(bytes, &fg, sizeof(bytes));
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[4] | bytes[5] | bytes[6] | bytes[7], 0) << "reserved";
    EXPECT_EQ(bytes[12 + 30], 'x');
    EXPECT_EQ(bytes[12 + 31], 0) << "31 characters and a NUL";
    EXPECT_EQ(bytes[44], 2);
    EXPECT_EQ(fg.Checksum, bndx::DescriptionChecksum(std::string(31, 'x')));

    const auto bg = bndx::MakeBackgroundHeader("Sky", 15);
    uint8_t bgBytes[52];
    std::memcpy(bgBytes, &bg, sizeof(bgBytes));
    EXPECT_EQ(bgBytes[44], 15);
    for (int i = 45; i < 52; ++i)
        EXPECT_EQ(bgBytes[i], 0) << "reserved byte " << i;
    EXPECT_EQ(bgBytes[12 + 3], 0) << "zero-filled after the name";
}

TEST(FileHeaders, DescriptionIsReadToTheFieldsEndAsOneLine) {
    char field[bndx::kDescriptionFieldSize];
    std::memset(field, 'y', sizeof(field));
    EXPECT_EQ(bndx::DescriptionOf(field), std::string(32, 'y'));

    std::strcpy(field, "x\r\n[Foreground]\r\nSpeed=0\t\x7F");
    EXPECT_EQ(bndx::DescriptionOf(field), "x  [Foreground]  Speed=0  ") << "one line, whatever the file holds";
}

} // namespace
