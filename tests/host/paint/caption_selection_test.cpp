// The caption selection over a desktop of made-up windows.
#include "painter/paint/caption_selection.h"
#include "tests/host/paint/simulated_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bndx::test {
namespace {

using Windows = std::vector<WindowId>;

// The windows to paint, or those looked at and left.
Windows WindowsOf(const SelectedCaptions& selected, bool painted = true) {
    Windows windows;
    for (const SelectedCaption& s : selected)
        if (s.paint == painted)
            windows.push_back(s.window);
    return windows;
}

class CaptionSelectionTest : public ::testing::Test {
protected:
    CaptionSelectionTest() { metrics().Reset({4, 18, 14}, 96); }
    CaptionMetricsByDpi& metrics() { return state.metricsByDpi; }
    CaptionSelection Selection() { return CaptionSelection(desktop, coverage, state, leaveAlone); }
    Windows Pass() {
        Selection().SelectPass(selected);
        return WindowsOf(selected);
    }

    SimulatedDesktop desktop;
    int32_t coverage = kPaintAllWindows;
    PainterState state;
    LeaveAloneList leaveAlone;
    SelectedCaptions selected;
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

// Each window a pass skips is also listed as left, so that a window which stops qualifying keeps
// nothing of ours.
TEST_F(CaptionSelectionTest, PassSkipsAndLeavesWindowsThatFailTheCaptionTestOrTheTitleRules) {
    const WindowId hidden = desktop.Add({0, style::kDlgFrame});
    const WindowId minimised = desktop.Add({0, kCaptioned | style::kMinimize});
    const WindowId borderOnly = desktop.Add({0, style::kVisible | 0x00800000});
    const WindowId untitled = desktop.Add({0, kCaptioned, ""});
    desktop.Add({untitled}); // unreached
    const WindowId iconBar = desktop.Add({0, kCaptioned, "Icon Bar"});
    const WindowId iconBarToo = desktop.Add({0, kCaptioned, "Icon Bar 2"});
    state.excludedWindow = desktop.Add({});
    desktop.Add({state.excludedWindow});
    const WindowId painted = desktop.Add({});
    // The caption lies from 3 to 21: a client area that begins above its middle is the window's
    // own title bar.
    const WindowId ownTitleBar = desktop.Add({0, kCaptioned, "Tabs", 11});
    const WindowId underOwnTitleBar = desktop.Add({ownTitleBar});
    const WindowId clientFromMiddle = desktop.Add({0, kCaptioned, "Window", 12});
    EXPECT_EQ(Pass(), (Windows{iconBarToo, painted, underOwnTitleBar, clientFromMiddle}));
    EXPECT_EQ(WindowsOf(selected, false),
              (Windows{hidden, minimised, borderOnly, untitled, iconBar, state.excludedWindow, ownTitleBar}));
}

// Nested captioned windows: each painted ancestor enumerates all its descendants again.
TEST_F(CaptionSelectionTest, SkippedWindowsHideTheirDescendantsOnlyFromThemselves) {
    const WindowId top = desktop.Add({});
    const WindowId middle = desktop.Add({top});
    const WindowId inner = desktop.Add({middle});
    const WindowId underSkipped = desktop.Add({desktop.Add({top, kCaptioned, ""})});
    const auto drawn = Pass();
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), underSkipped), 1) << "reached through top";
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), inner), 2) << "once through top, once through middle";
}

TEST_F(CaptionSelectionTest, OneWindowSkipsTheCaptionTestButNotTheFilters) {
    const WindowId hidden = desktop.Add({0, style::kDlgFrame, "Hidden"});
    const WindowId hiddenChild = desktop.Add({hidden});
    Selection().SelectWindow(hidden, false, selected);
    EXPECT_EQ(WindowsOf(selected), (Windows{hidden, hiddenChild})) << "a notified hidden window is painted";
    Selection().SelectWindow(0, false, selected);
    EXPECT_EQ(WindowsOf(selected), Windows{});
    Selection().SelectWindow(hidden, true, selected);
    EXPECT_EQ(WindowsOf(selected), (Windows{hidden})) << "a scroll step never walks descendants";
}

// A program left alone keeps the system's captions on its windows and their children, in every
// mode; a window whose program cannot be read is painted. Each window's program is asked once.
TEST_F(CaptionSelectionTest, WindowsOfAProgramLeftAloneAreNeitherPaintedNorGoneThrough) {
    const WindowId game = desktop.Add({0, kCaptioned, "Game", 60, 0, "D:\\Games\\GAME.EXE"});
    const WindowId gameChild = desktop.Add({game, kCaptioned, "Game tool", 60, 0, "D:\\Games\\GAME.EXE"});
    const WindowId elevated = desktop.Add({0, kCaptioned, "Elevated", 60, 0, "game.exe"}); // its name alone
    const WindowId unreadable = desktop.Add({0, kCaptioned, "Unreadable", 60, 0, ""});
    const WindowId editor = desktop.Add({});
    const CaptionSelection selection = Selection();
    const auto pass = [&] {
        selection.SelectPass(selected);
        return WindowsOf(selected);
    };
    EXPECT_EQ(pass(), (Windows{game, gameChild, elevated, unreadable, editor}));
    EXPECT_EQ(desktop.programQuestions, 0) << "nothing is asked while nothing is left alone";

    leaveAlone.Assign({"Game.exe"});
    EXPECT_EQ(pass(), (Windows{unreadable, editor}));
    coverage = kPaintForegroundWindow;
    desktop.SetForeground(game);
    EXPECT_EQ(pass(), Windows{});
    selection.SelectWindow(gameChild, true, selected);
    EXPECT_EQ(WindowsOf(selected), Windows{}) << "not even a scroll step or the hook's report";
    EXPECT_EQ(desktop.programQuestions, 5) << "once for each window reached, pass after pass";
}

TEST_F(CaptionSelectionTest, CaptionRectFollowsTheWindowItsMonitorsDpiAndTheMetricsAtTheTimeOfPainting) {
    const uint32_t framedStyle = kCaptioned | style::kThickFrame;
    desktop.Add({0, framedStyle});
    desktop.Add({0, framedStyle, "At 144 DPI", 60, 144});
    metrics().Reset({4, 30, 14}, 96); // the user changed the caption size
    Pass();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0].dpi, 96u) << "a window of unknown DPI is at the system's";
    EXPECT_EQ(selected[0].caption.bottom, 7 + 30);
    EXPECT_EQ(selected[1].dpi, 144u);
    EXPECT_EQ(selected[1].caption.bottom, 9 + 45) << "border and caption half as large again";
}

} // namespace
} // namespace bndx::test
