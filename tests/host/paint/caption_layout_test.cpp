#include "painter/paint/caption_layout.h"

#include <gtest/gtest.h>

namespace bndx {
namespace {

constexpr CaptionRect kFramed{7, 7, 193, 25};   // 200 wide, thick frame, border 4, caption 18
constexpr CaptionRect kUnframed{3, 3, 197, 21}; // 200 wide, no thick frame

TEST(CaptionLayout, TitleXForEachAlignment) {
    EXPECT_EQ(TitleX(kAlignLeft, kFramed, 50), 20);
    EXPECT_EQ(TitleX(kAlignCentre, kFramed, 50), 68);
    EXPECT_EQ(TitleX(kAlignCentre, CaptionRect{0, 0, 151, 18}, 50), 50) << "101 remaining gives 50";
    EXPECT_EQ(TitleX(kAlignRight, kUnframed, 50), 131) << "ends 16 pixels left of the caption's edge";
    EXPECT_EQ(TitleX(7, kFramed, 50), TitleX(kAlignCentre, kFramed, 50)) << "unknown alignment centres";
    EXPECT_EQ(TitleX(kAlignCentre, kFramed, 300), -57) << "a wide title truncates toward zero";
}

TEST(CaptionLayout, BoxesReachTenPixelsBeyondTheText) {
    const CaptionRect title = TitleBox(20, 50, kFramed);
    EXPECT_EQ(title.left, 10);
    EXPECT_EQ(title.right, 80);
    EXPECT_EQ(title.top, 7);
    EXPECT_EQ(title.bottom, 25);

    const CaptionRect entering = ScrollBox(ScrollStart(kFramed), 50, kFramed);
    EXPECT_EQ(entering.left, 176);
    EXPECT_EQ(entering.right, 193) << "the text still runs past the right: the box keeps the caption's edge";

    const CaptionRect inside = ScrollBox(60, 50, kFramed);
    EXPECT_EQ(inside.left, 50);
    EXPECT_EQ(inside.right, 120);

    const CaptionRect leaving = ScrollBox(5, 50, kFramed);
    EXPECT_EQ(leaving.left, 7) << "at or left of the caption's left edge the box keeps it";
}

TEST(CaptionLayout, ScrollRunsFromTheCaptionWidthUntilTheRightEndReachesZero) {
    EXPECT_EQ(ScrollStart(kFramed), 186);
    EXPECT_FALSE(ScrollHasRunOut(186, 50, kFramed));
    EXPECT_FALSE(ScrollHasRunOut(-49, 50, kFramed));
    EXPECT_TRUE(ScrollHasRunOut(-50, 50, kFramed));
    EXPECT_TRUE(ScrollHasRunOut(187, 50, kFramed)) << "a narrower caption than the one the text started on";
}

TEST(CaptionLayout, OnlyLeadingWhiteSpaceIsStripped) {
    std::string text = " \t Hello  ";
    StripLeadingWhiteSpace(text);
    EXPECT_EQ(text, "Hello  ");
    text = "   ";
    StripLeadingWhiteSpace(text);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace bndx
