#include "common/caption_geometry.h"
#include "common/dpi_scaling.h"

#include <gtest/gtest.h>

#include <tuple>

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

// Sizes at the system's DPI on a monitor of another: rounded half away from zero (font heights
// are negative), unchanged where a DPI is unknown, held within 32 bits.
TEST(DpiScaling, ScalesLikeTheSystemAndLeavesUnknownDpisAlone) {
    struct Case {
        int32_t value;
        uint32_t dpi, systemDpi;
        int32_t scaled;
    };
    constexpr Case kCases[] = {
        {18, 144, 96, 27},
        {4, 144, 96, 6},
        {19, 144, 96, 29},
        {-11, 144, 96, -17},
        {-13, 120, 96, -16},
        {27, 96, 144, 18},
        {18, 96, 96, 18},
        {18, 0, 96, 18},
        {18, 144, 0, 18},
        {INT32_MAX, 192, 96, INT32_MAX},
        {INT32_MIN, 192, 96, INT32_MIN},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.value << " from " << c.systemDpi << " to " << c.dpi);
        EXPECT_EQ(bndx::ScaleToDpi(c.value, c.dpi, c.systemDpi), c.scaled);
    }
    EXPECT_EQ(bndx::EffectiveDpi(0, 96), 96u);
    EXPECT_EQ(bndx::EffectiveDpi(144, 96), 144u);
    const bndx::CaptionMetrics at144 = bndx::ScaleCaptionMetrics(kMetrics, 144, 96);
    EXPECT_EQ(std::make_tuple(at144.borderWidth, at144.captionHeight, at144.smallCaptionHeight),
              std::make_tuple(6, 27, 21));
}

} // namespace
