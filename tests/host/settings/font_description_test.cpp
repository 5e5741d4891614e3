#include "painter/settings/font_description.h"

#include <gtest/gtest.h>

#include <cstring>

namespace bndx {
namespace {

// The thirteen numbers a FontData value stands for, as they are written back.
std::string Fields(const char* fontData) {
    return FormatFontData(ParseFontDescription("F", fontData));
}

TEST(FontDescription, NumbersFillTheFieldsInOrderAndAreWrittenBackAsRead) {
    const char* data = "-2147483648,2147483647,900,450,700,255,0,1,204,3,2,5,34";
    const FontDescription font = ParseFontDescription("Courier New", data);
    const FontDescription expected{INT32_MIN, INT32_MAX, 900, 450, 700, 255, 0, 1, 204, 3, 2, 5, 34, "Courier New"};
    EXPECT_EQ(std::memcmp(&font, &expected, sizeof(font)), 0);
    EXPECT_EQ(FormatFontData(font), data);
}

// Each case: an odd FontData, then the plain one it reads as.
TEST(FontDescription, OddValuesKeepTheirLowBitsAndStopWhereTheyStopFitting) {
    const std::pair<const char*, const char*> cases[] = {
        {"0,0,0,0,0,257", "0,0,0,0,0,1"},
        {"0,0,0,0,0,-1", "0,0,0,0,0,255"},
        {"4294967295,0,0,0,0,4294967297", "-1,0,0,0,0,1"},
        {"-12,,5", "-12"},
        {"- 1,2", "0"},
        {" -12, +5,0,0, 400", "-12,5,0,0,400"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14", "1,2,3,4,5,6,7,8,9,10,11,12,13"},
    };
    for (const auto& [odd, plain] : cases)
        EXPECT_EQ(Fields(odd), Fields(plain)) << odd;
}

TEST(FontDescription, FaceNameStaysInsideItsField) {
    EXPECT_EQ(FaceNameOf(ParseFontDescription(std::string("Ari\0al", 6), "")), "Ari");

    FontDescription unterminated{};
    std::memset(unterminated.lfFaceName, 'x', sizeof(unterminated.lfFaceName));
    EXPECT_EQ(FaceNameOf(unterminated), std::string(32, 'x'));
}

} // namespace
} // namespace bndx
