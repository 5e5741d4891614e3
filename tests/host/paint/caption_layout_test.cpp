#include "painter/paint/caption_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

constexpr CaptionRect kFramed{7, 7, 193, 25};   // 200 wide, thick frame, border 4, caption 18
constexpr CaptionRect kUnframed{3, 3, 197, 21}; // 200 wide, no thick frame

TEST(CaptionLayout, TitleXForEachAlignment) {
    EXPECT_EQ(TitleX(kAlignLeft, kFramed, 50), 20);
    EXPECT_EQ(TitleX(kAlignCentre, kFramed, 50), 68);
    EXPECT_EQ(TitleX(kAlignCentre, CaptionRect{0, 0, 151, 18}, 50), 50) << "101 remaining gives 50";
    EXPECT_EQ(TitleX(kAlignRight, kUnframed, 50), 131) << "ends 16 pixels left of the caption's edge";
    EXPECT_EQ(TitleX(kAlignCentre, kFramed, 300), -57) << "a wide title truncates toward zero";
}

TEST(CaptionLayout, BoxesReachTenPixelsBeyondTheTextButNotBeyondTheCaption) {
    const auto box = [](const CaptionRect& r) { return std::make_tuple(r.left, r.top, r.right, r.bottom); };
    EXPECT_EQ(box(TitleBox(20, 50, kFramed)), std::make_tuple(10, 7, 80, 25));
    EXPECT_EQ(box(ScrollBox(60, 50, kFramed)), std::make_tuple(50, 7, 120, 25));
    EXPECT_EQ(box(ScrollBox(ScrollStart(kFramed), 50, kFramed)), std::make_tuple(176, 7, 193, 25)) << "entering";
    EXPECT_EQ(box(ScrollBox(5, 50, kFramed)), std::make_tuple(7, 7, 65, 25)) << "leaving";
}

} // namespace
} // namespace bndx
