#include "common/caption_geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace bndx::style;

constexpr bndx::CaptionMetrics kMetrics{4, 18, 14};
constexpr uint32_t kOverlapped = 0x00CF0000 | kVisible; // caption, sysmenu, thick frame, both boxes

void ExpectRect(const bndx::CaptionRect& r, int left, int top, int right, int bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

void ExpectBox(const bndx::ButtonBox& b, int x, int y, int width, int height) {
    EXPECT_EQ(b.x, x);
    EXPECT_EQ(b.y, y);
    EXPECT_EQ(b.width, width);
    EXPECT_EQ(b.height, height);
}

TEST(CaptionGeometry, ThickFrameWindowHasItsBorderInsideTheRectAndTwiceInTheMinMaxBox) {
    const auto rect = bndx::ComputeCaptionRect(200, kOverlapped, 0, kMetrics);
    ExpectRect(rect, 7, 7, 193, 25);

    const auto buttons = bndx::ComputeButtonAreas(rect, kOverlapped, 0, kMetrics);
    ASSERT_TRUE(buttons.hasClose);
    ExpectBox(buttons.close, 175, 9, 16, 14);
    ASSERT_TRUE(buttons.hasMinMax);
    ExpectBox(buttons.minMax, 193 - (4 + 54 - 3), 9, 32, 14);
}

TEST(CaptionGeometry, WithoutThickFrameTheAreaStartsAtThree) {
    const uint32_t dialog = kDlgFrame | kSysMenu | kVisible;
    const auto rect = bndx::ComputeCaptionRect(300, dialog, 0, kMetrics);
    ExpectRect(rect, 3, 3, 297, 21);

    const auto buttons = bndx::ComputeButtonAreas(rect, dialog, 0, kMetrics);
    ExpectBox(buttons.close, 279, 5, 16, 14);
    EXPECT_FALSE(buttons.hasMinMax) << "no minimise or maximise box";
}

TEST(CaptionGeometry, ToolWindowUsesTheSmallCaptionHeightAndHasOnlyItsCloseButton) {
    const auto rect = bndx::ComputeCaptionRect(150, kOverlapped, kExToolWindow, kMetrics);
    ExpectRect(rect, 7, 7, 143, 25 - 18 + 14);

    const auto buttons = bndx::ComputeButtonAreas(rect, kOverlapped, kExToolWindow, kMetrics);
    ExpectBox(buttons.close, 143 - 14, 9, 12, 10);
    EXPECT_FALSE(buttons.hasMinMax) << "the system draws only a close button on a tool window";
}

TEST(CaptionGeometry, ButtonsNeedASystemMenu) {
    const uint32_t noSysMenu = kOverlapped & ~kSysMenu;
    const auto buttons =
        bndx::ComputeButtonAreas(bndx::ComputeCaptionRect(200, noSysMenu, 0, kMetrics), noSysMenu, 0, kMetrics);
    EXPECT_FALSE(buttons.hasClose);
    EXPECT_FALSE(buttons.hasMinMax) << "the min/max box is only kept along with the close box";

    const uint32_t maximizeOnly = (kOverlapped & ~kMinimizeBox);
    EXPECT_TRUE(bndx::ComputeButtonAreas({0, 0, 100, 20}, maximizeOnly, 0, kMetrics).hasMinMax);
}

TEST(CaptionGeometry, CaptionTestLooksAtDialogFrameVisibleAndMinimised) {
    EXPECT_TRUE(bndx::PassesCaptionTest(kDlgFrame | kVisible));
    EXPECT_FALSE(bndx::PassesCaptionTest(kDlgFrame)) << "hidden";
    EXPECT_FALSE(bndx::PassesCaptionTest(kDlgFrame | kVisible | kMinimize)) << "minimised";
    EXPECT_FALSE(bndx::PassesCaptionTest(0x00800000 | kVisible)) << "WS_BORDER alone is no caption";
}

} // namespace
