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
        Rect area, close, minMax; // a button's box all 0: no such button
    } cases[] = {
        // A thick frame lies inside the rect, and twice inside the min/max box.
        {"thick frame", 200, kOverlapped, 0, {7, 7, 193, 25}, {175, 9, 16, 14}, {138, 9, 32, 14}},
        {"dialog frame", 300, kDlgFrame | kSysMenu | kVisible, 0, {3, 3, 297, 21}, {279, 5, 16, 14}, {}},
        {"tool window: close only", 150, kOverlapped, kExToolWindow, {7, 7, 143, 21}, {129, 9, 12, 10}, {}},
        {"no system menu: no buttons", 200, kOverlapped & ~kSysMenu, 0, {7, 7, 193, 25}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CaptionRect area = ComputeCaptionRect(c.width, c.style, c.exStyle, kMetrics);
        EXPECT_EQ(Tie(area), c.area);
        const CaptionButtonAreas buttons = ComputeButtonAreas(area, c.style, c.exStyle, kMetrics);
        EXPECT_EQ(buttons.hasClose ? Tie(buttons.close) : Rect{}, c.close);
        EXPECT_EQ(buttons.hasMinMax ? Tie(buttons.minMax) : Rect{}, c.minMax);
    }
}

// Sizes at the system's DPI on a monitor of another: rounded half away from zero (font heights
// are negative), unchanged where a DPI is unknown, held within 32 bits.
TEST(DpiScaling, ScalesLikeTheSystemAndLeavesUnknownDpisAlone) {
    // Each case: the size, the monitor's DPI and the system's, and the size scaled.
    const std::tuple<int32_t, uint32_t, uint32_t, int32_t> cases[] = {
        {19, 144, 96, 29},               // 28.5
        {-11, 144, 96, -17},             // -16.5
        {27, 96, 144, 18},               // to a lower DPI
        {18, 0, 96, 18},                 // the monitor's DPI unknown
        {INT32_MAX, 192, 96, INT32_MAX}, // held within 32 bits
    };
    for (const auto& [value, dpi, systemDpi, scaled] : cases)
        EXPECT_EQ(ScaleToDpi(value, dpi, systemDpi), scaled) << value << " from " << systemDpi << " to " << dpi;
}

} // namespace
} // namespace bndx
