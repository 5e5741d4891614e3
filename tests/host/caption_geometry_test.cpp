#include "common/caption_geometry.h"
#include "common/dpi_scaling.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

using namespace style;

constexpr CaptionMetrics kMetrics{4, 18, 14};
constexpr uint32_t kOverlapped = 0x00CF0000 | kVisible; // caption, sysmenu, thick frame, both boxes

std::tuple<int, int, int, int> Tie(const CaptionRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
std::tuple<int, int, int, int> Tie(const ButtonBox& b) {
    return {b.x, b.y, b.width, b.height};
}

TEST(CaptionGeometry, AreaAndButtonsForEachKindOfFrame) {
    using Rect = std::tuple<int, int, int, int>;
    const struct {
        const char* name;
        int32_t width;
        uint32_t style, exStyle;
        Rect area, close, minMax; // minMax all 0: none
    } cases[] = {
        // A thick frame lies inside the rect, and twice inside the min/max box.
        {"thick frame", 200, kOverlapped, 0, {7, 7, 193, 25}, {175, 9, 16, 14}, {138, 9, 32, 14}},
        {"dialog frame", 300, kDlgFrame | kSysMenu | kVisible, 0, {3, 3, 297, 21}, {279, 5, 16, 14}, {}},
        {"tool window: close only", 150, kOverlapped, kExToolWindow, {7, 7, 143, 21}, {129, 9, 12, 10}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CaptionRect area = ComputeCaptionRect(c.width, c.style, c.exStyle, kMetrics);
        EXPECT_EQ(Tie(area), c.area);
        const CaptionButtonAreas buttons = ComputeButtonAreas(area, c.style, c.exStyle, kMetrics);
        EXPECT_TRUE(buttons.hasClose);
        EXPECT_EQ(Tie(buttons.close), c.close);
        EXPECT_EQ(buttons.hasMinMax ? Tie(buttons.minMax) : Rect{}, c.minMax);
    }
}

TEST(CaptionGeometry, ButtonsNeedASystemMenu) {
    const uint32_t noSysMenu = kOverlapped & ~kSysMenu;
    const auto buttons = ComputeButtonAreas(ComputeCaptionRect(200, noSysMenu, 0, kMetrics), noSysMenu, 0, kMetrics);
    EXPECT_FALSE(buttons.hasClose);
    EXPECT_FALSE(buttons.hasMinMax) << "the min/max box is only kept along with the close box";
    EXPECT_TRUE(ComputeButtonAreas({0, 0, 100, 20}, kOverlapped & ~kMinimizeBox, 0, kMetrics).hasMinMax);
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
        {19, 144, 96, 29},
        {-11, 144, 96, -17},
        {-13, 120, 96, -16},
        {27, 96, 144, 18},
        {18, 0, 96, 18},
        {18, 144, 0, 18},
        {INT32_MAX, 192, 96, INT32_MAX},
        {INT32_MIN, 192, 96, INT32_MIN},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.value << " from " << c.systemDpi << " to " << c.dpi);
        EXPECT_EQ(ScaleToDpi(c.value, c.dpi, c.systemDpi), c.scaled);
    }
}

} // namespace
} // namespace bndx
