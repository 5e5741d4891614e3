#include "tests/host/paint/simulated_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bndx::test {
namespace {

using Windows = std::vector<WindowId>;

class CaptionSelectionTest : public ::testing::Test {
protected:
    CaptionSelectionTest() { metrics.Reset({4, 18, 14}, 96); }
    CaptionSelection Selection() { return CaptionSelection(desktop, drawer, {coverage, excluded, metrics}); }
    // A pass, whose captions are all drawn between the drawer's BeginPass and EndPass: the drawer
    // may hold what a pass treats as fixed (the foreground window) in between.
    Windows Pass() {
        drawer.drawn.clear();
        Selection().RefreshCaptions();
        for (const DrawnCaption& d : drawer.drawn)
            EXPECT_TRUE(d.inPass) << "mode " << coverage;
        EXPECT_FALSE(drawer.inPass) << "a pass ends for the drawer, mode " << coverage;
        return drawer.Windows();
    }

    SimulatedDesktop desktop;
    RecordingDrawer drawer;
    int32_t coverage = kPaintAllWindows;
    WindowId excluded = 0;
    CaptionMetricsByDpi metrics;
};

TEST_F(CaptionSelectionTest, EachCoverageModeChoosesItsWindowsAndAnUnknownOneTheCaptionedForegroundOnly) {
    const WindowId main = desktop.Add({});
    const WindowId child = desktop.Add({main});
    const WindowId other = desktop.Add({});
    desktop.SetForeground(other);
    coverage = kPaintAllWindows;
    EXPECT_EQ(Pass(), (Windows{main, child, other}));
    coverage = kPaintMainWindows;
    EXPECT_EQ(Pass(), (Windows{main, other}));
    for (const int32_t foregroundOnly : {int32_t{kPaintForegroundWindow}, 3, -1, 32767}) {
        coverage = foregroundOnly;
        EXPECT_EQ(Pass(), (Windows{other}));
    }
    desktop.SetForeground(desktop.Add({0, style::kVisible}));
    EXPECT_EQ(Pass(), Windows{}) << "the foreground has no caption";
    desktop.SetForeground(0);
    EXPECT_EQ(Pass(), Windows{});
}

TEST_F(CaptionSelectionTest, PassSkipsWindowsThatFailTheCaptionTestOrTheTitleRules) {
    desktop.Add({0, style::kDlgFrame});                      // hidden
    desktop.Add({0, kCaptioned | style::kMinimize});         // minimised
    desktop.Add({0, style::kVisible | 0x00800000});          // a border but no caption
    desktop.Add({desktop.Add({0, kCaptioned, 0, 200, ""})}); // untitled, and so its child unreached
    desktop.Add({0, kCaptioned, 0, 200, "Icon Bar"});        // the icon bar
    const WindowId iconBarToo = desktop.Add({0, kCaptioned, 0, 200, "Icon Bar 2"});
    excluded = desktop.Add({});
    desktop.Add({excluded});
    const WindowId painted = desktop.Add({});
    // The caption lies from 3 to 21: a client area that begins above its middle is the window's
    // own title bar.
    const WindowId ownTitleBar = desktop.Add({0, kCaptioned, 0, 200, "Tabs", 11});
    const WindowId underOwnTitleBar = desktop.Add({ownTitleBar});
    const WindowId clientFromMiddle = desktop.Add({0, kCaptioned, 0, 200, "Window", 12});
    EXPECT_EQ(Pass(), (Windows{iconBarToo, painted, underOwnTitleBar, clientFromMiddle}));
}

// Nested captioned windows: each painted ancestor enumerates all its descendants again.
TEST_F(CaptionSelectionTest, SkippedWindowsHideTheirDescendantsOnlyFromThemselves) {
    const WindowId top = desktop.Add({});
    const WindowId middle = desktop.Add({top});
    const WindowId inner = desktop.Add({middle});
    const WindowId underSkipped = desktop.Add({desktop.Add({top, kCaptioned, 0, 200, ""})});
    const auto drawn = Pass();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), underSkipped), 1) << "reached through top";
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), inner), 2) << "once through top, once through middle";
}

TEST_F(CaptionSelectionTest, DirectPaintSkipsTheCaptionTestButNotTheFiltersAndIsNoPass) {
    const WindowId hidden = desktop.Add({0, style::kDlgFrame, 0, 200, "Hidden"});
    const WindowId hiddenChild = desktop.Add({hidden});
    Selection().PaintCaption(hidden, false);
    ASSERT_EQ(drawer.Windows(), (Windows{hidden, hiddenChild})) << "a notified hidden window is painted";
    for (const DrawnCaption& d : drawer.drawn)
        EXPECT_FALSE(d.inPass);

    drawer.drawn.clear();
    Selection().PaintCaption(0, false);
    EXPECT_EQ(drawer.Windows(), Windows{});
    Selection().PaintCaption(hidden, true);
    ASSERT_EQ(drawer.Windows(), (Windows{hidden})) << "a scroll step never walks descendants";
    EXPECT_TRUE(drawer.drawn[0].scrollStep);
    EXPECT_FALSE(drawer.drawn[0].inPass);
}

TEST_F(CaptionSelectionTest, CaptionRectFollowsTheWindowItsMonitorsDpiAndTheMetricsAtTheTimeOfPainting) {
    const uint32_t framedStyle = kCaptioned | style::kThickFrame;
    const WindowId framed = desktop.Add({0, framedStyle, 0, 200});
    CaptionRect rect{};
    ASSERT_TRUE(Selection().GetCaptionRect(framed, 96, rect));
    EXPECT_EQ(std::tie(rect.left, rect.top, rect.right, rect.bottom), std::make_tuple(7, 7, 193, 25));
    EXPECT_FALSE(Selection().GetCaptionRect(0, 96, rect));
    desktop.Add({0, framedStyle, 0, 200, "At 144 DPI", 60, 144});
    metrics.Reset({4, 30, 14}, 96); // the user changed the caption size
    Pass();
    ASSERT_EQ(drawer.drawn.size(), 2u);
    EXPECT_EQ(drawer.drawn[0].dpi, 96u) << "a window of unknown DPI is at the system's";
    EXPECT_EQ(drawer.drawn[0].caption.bottom, 7 + 30);
    EXPECT_EQ(drawer.drawn[1].dpi, 144u);
    EXPECT_EQ(drawer.drawn[1].caption.bottom, 9 + 45) << "border and caption half as large again";
}

} // namespace
} // namespace bndx::test
