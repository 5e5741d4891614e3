#include "tests/host/paint/simulated_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bndx::test {
namespace {

using Windows = std::vector<WindowId>;

class CaptionSelectionTest : public ::testing::Test {
protected:
    CaptionSelection Selection() { return CaptionSelection(desktop, drawer, {coverage, excluded, metrics}); }
    std::vector<WindowId> Pass() {
        drawer.drawn.clear();
        Selection().RefreshCaptions();
        return drawer.Windows();
    }

    SimulatedDesktop desktop;
    RecordingDrawer drawer;
    int32_t coverage = kPaintAllWindows;
    WindowId excluded = 0;
    CaptionMetrics metrics{4, 18, 14};
};

TEST_F(CaptionSelectionTest, EachCoverageModeChoosesItsWindows) {
    const WindowId main = desktop.Add({});
    const WindowId child = desktop.Add({main});
    const WindowId other = desktop.Add({});
    desktop.SetForeground(other);

    coverage = kPaintAllWindows;
    EXPECT_EQ(Pass(), (Windows{main, child, other}));
    coverage = kPaintMainWindows;
    EXPECT_EQ(Pass(), (Windows{main, other}));
    coverage = kPaintForegroundWindow;
    EXPECT_EQ(Pass(), (Windows{other}));
    for (int32_t unknown : {3, -1, 32767}) {
        coverage = unknown;
        EXPECT_EQ(Pass(), (Windows{other})) << "an unknown mode " << unknown << " paints the foreground only";
    }
}

// The drawer may hold what a pass treats as fixed (the foreground window) from BeginPass to
// EndPass: every caption of a pass is drawn inside them, and a direct paint or a step outside.
TEST_F(CaptionSelectionTest, PassesAreBracketedForTheDrawerAndDirectPaintsAreNot) {
    const WindowId main = desktop.Add({});
    desktop.Add({main});
    desktop.SetForeground(main);
    for (int32_t mode : {kPaintAllWindows, kPaintMainWindows, kPaintForegroundWindow}) {
        coverage = mode;
        Pass();
        ASSERT_FALSE(drawer.drawn.empty());
        for (const DrawnCaption& d : drawer.drawn)
            EXPECT_TRUE(d.inPass) << "mode " << mode;
        EXPECT_FALSE(drawer.inPass) << "a pass ends for the drawer, mode " << mode;
    }
    drawer.drawn.clear();
    Selection().PaintCaption(main, false);
    Selection().PaintCaption(main, true);
    for (const DrawnCaption& d : drawer.drawn)
        EXPECT_FALSE(d.inPass);
}

TEST_F(CaptionSelectionTest, PassSkipsWindowsThatFailTheCaptionTestOrTheTitleRules) {
    const WindowId hidden = desktop.Add({0, style::kDlgFrame});
    const WindowId minimised = desktop.Add({0, kCaptioned | style::kMinimize});
    const WindowId borderOnly = desktop.Add({0, style::kVisible | 0x00800000});
    const WindowId untitled = desktop.Add({0, kCaptioned, 0, 200, ""});
    const WindowId iconBar = desktop.Add({0, kCaptioned, 0, 200, "Icon Bar"});
    const WindowId iconBarToo = desktop.Add({0, kCaptioned, 0, 200, "Icon Bar 2"});
    const WindowId excludedOne = desktop.Add({});
    const WindowId painted = desktop.Add({});
    excluded = excludedOne;
    (void)hidden, (void)minimised, (void)borderOnly, (void)untitled, (void)iconBar;

    EXPECT_EQ(Pass(), (Windows{iconBarToo, painted}));
}

TEST_F(CaptionSelectionTest, SkippedWindowsHideTheirDescendantsOnlyFromThemselves) {
    const WindowId untitled = desktop.Add({0, kCaptioned, 0, 200, ""});
    const WindowId underUntitled = desktop.Add({untitled});
    excluded = desktop.Add({});
    desktop.Add({excluded});
    EXPECT_EQ(Pass(), Windows{}) << "neither an untitled nor an excluded window leads to its children";

    // Nested captioned windows: each painted ancestor enumerates all its descendants again.
    excluded = 0;
    const WindowId top = desktop.Add({});
    const WindowId middle = desktop.Add({top});
    const WindowId inner = desktop.Add({middle});
    const auto drawn = Pass();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), inner), 2) << "once through top, once through middle";
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), underUntitled), 0);
}

TEST_F(CaptionSelectionTest, ForegroundModePaintsNothingWhenTheForegroundHasNoCaption) {
    coverage = kPaintForegroundWindow;
    desktop.Add({});
    desktop.SetForeground(desktop.Add({0, style::kVisible}));
    EXPECT_EQ(Pass(), Windows{});
    desktop.SetForeground(0);
    EXPECT_EQ(Pass(), Windows{});
}

TEST_F(CaptionSelectionTest, DirectPaintSkipsTheCaptionTestButNotTheFilters) {
    const WindowId hidden = desktop.Add({0, style::kDlgFrame, 0, 200, "Hidden"});
    const WindowId hiddenChild = desktop.Add({hidden});
    Selection().PaintCaption(hidden, false);
    EXPECT_EQ(drawer.Windows(), (Windows{hidden, hiddenChild})) << "a notified hidden window is painted";

    drawer.drawn.clear();
    Selection().PaintCaption(0, false);
    excluded = hidden;
    Selection().PaintCaption(hidden, false);
    EXPECT_EQ(drawer.Windows(), Windows{});

    excluded = 0;
    Selection().PaintCaption(hidden, true);
    ASSERT_EQ(drawer.Windows(), (Windows{hidden})) << "a scroll step never walks descendants";
    EXPECT_TRUE(drawer.drawn[0].scrollStep);
}

TEST_F(CaptionSelectionTest, CaptionRectFollowsStylesAndMetricsAtTheTimeOfPainting) {
    const WindowId framed = desktop.Add({0, kCaptioned | style::kThickFrame, 0, 200});
    const WindowId tool = desktop.Add({0, kCaptioned, style::kExToolWindow, 100});
    CaptionRect rect{};
    ASSERT_TRUE(Selection().GetCaptionRect(framed, rect));
    EXPECT_EQ(rect.left, 7);
    EXPECT_EQ(rect.top, 7);
    EXPECT_EQ(rect.right, 193);
    EXPECT_EQ(rect.bottom, 25);
    ASSERT_TRUE(Selection().GetCaptionRect(tool, rect));
    EXPECT_EQ(rect.bottom, 3 + 14);
    EXPECT_FALSE(Selection().GetCaptionRect(0, rect));

    metrics.captionHeight = 30; // the user changed the caption size
    coverage = kPaintMainWindows;
    Pass();
    ASSERT_EQ(drawer.drawn.size(), 2u);
    EXPECT_EQ(drawer.drawn[0].caption.bottom, 4 + 3 + 30);
}

} // namespace
} // namespace bndx::test
