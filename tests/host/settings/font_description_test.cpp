#include "painter/settings/font_description.h"

#include <gtest/gtest.h>

#include <cstring>

namespace bndx {
namespace {

TEST(FontDescription, NumbersFillTheFieldsInOrderAndAreWrittenBackAsRead) {
    const char* data = "-2147483648,2147483647,900,450,700,255,0,1,204,3,2,5,34";
    const FontDescription font = ParseFontDescription("Courier New", data);
    EXPECT_EQ(font.lfHeight, INT32_MIN);
    EXPECT_EQ(font.lfEscapement, 900);
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfItalic, 255);
    EXPECT_EQ(font.lfCharSet, 204);
    EXPECT_EQ(font.lfPitchAndFamily, 34);
    EXPECT_EQ(FormatFontData(font), data);
    EXPECT_EQ(FormatFontData(FontDescription{}), "0,0,0,0,0,0,0,0,0,0,0,0,0");
}

// Each case: FontData, then the height, width, weight, italic and pitch-and-family it gives.
TEST(FontDescription, OddValuesKeepTheirLowBitsAndStopWhereTheyStopFitting) {
    struct Case {
        const char* data;
        int32_t height, width, weight, italic, pitch;
    } const cases[] = {
        {"0,0,0,0,0,256", 0, 0, 0, 0, 0},
        {"0,0,0,0,0,257", 0, 0, 0, 1, 0},
        {"0,0,0,0,0,-1", 0, 0, 0, 255, 0},
        {"4294967295,0,0,0,0,4294967297", -1, 0, 0, 1, 0},
        {"", 0, 0, 0, 0, 0},
        {"-12,5", -12, 5, 0, 0, 0},
        {"-12,", -12, 0, 0, 0, 0},
        {"-12;5", -12, 0, 0, 0, 0},
        {"-12,,5", -12, 0, 0, 0, 0},
        {"abc", 0, 0, 0, 0, 0},
        {"- 1,2", 0, 0, 0, 0, 0},
        {" -12, +5,0,0, 400", -12, 5, 400, 0, 0},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14", 1, 2, 5, 6, 13},
    };
    for (const auto& c : cases) {
        const FontDescription font = ParseFontDescription("F", c.data);
        EXPECT_EQ(font.lfHeight, c.height) << c.data;
        EXPECT_EQ(font.lfWidth, c.width) << c.data;
        EXPECT_EQ(font.lfWeight, c.weight) << c.data;
        EXPECT_EQ(font.lfItalic, c.italic) << c.data;
        EXPECT_EQ(font.lfPitchAndFamily, c.pitch) << c.data;
    }
}

TEST(FontDescription, FaceNameStaysInsideItsField) {
    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij";
    const FontDescription font = ParseFontDescription(longName, "");
    EXPECT_EQ(FaceNameOf(font), longName.substr(0, 31));
    EXPECT_EQ(font.lfFaceName[31], '\0');
    EXPECT_EQ(FaceNameOf(ParseFontDescription(std::string("Ari\0al", 6), "")), "Ari");

    FontDescription unterminated{};
    std::memset(unterminated.lfFaceName, 'x', sizeof(unterminated.lfFaceName));
    EXPECT_EQ(FaceNameOf(unterminated), std::string(32, 'x'));
}

} // namespace
} // namespace bndx
