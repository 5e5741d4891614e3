// The caption painting engine on real windows: what it paints, where, and when.
#include "common/painter_messages.h"
#include "painter/paint/caption_layout.h"
#include "tests/win/desktop.h"
#include "tests/win/paint/engine_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace bndx::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

bool Inside(const CaptionRect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Columns of the caption where the given colour shows, left of the button boxes.
std::pair<int, int> ColourSpan(const ScreenCapture& shot, const CaptionRect& caption, int right, uint32_t colour) {
    int left = -1, last = -1;
    for (int x = caption.left; x < right; ++x)
        for (int y = caption.top; y < caption.bottom; ++y)
            if (shot.At(x, y) == colour) {
                if (left < 0)
                    left = x;
                last = x;
                break;
            }
    return {left, last};
}

class PaintEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        backgroundPath = WriteSolidBackground("EngineRed", 255, 0, 0);
        background = std::make_unique<CBackgroundEntry>(backgroundPath.c_str());
    }
    void TearDown() override { DeleteFileA(backgroundPath.c_str()); }

    std::string backgroundPath;
    std::unique_ptr<CBackgroundEntry> background;
    EngineHost host;
};

TEST_F(PaintEngineTest, PaintsTheBackgroundIntoCoveredCaptionsOnlyAndInsideTheirCaptionRect) {
    TestWindow behind("Engine behind", kOverlapped, 0, 300, 120);
    TestWindow front("Engine front", kOverlapped, 0, 300, 120);
    SetWindowPos(behind.Handle(), nullptr, 100, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(200);
    const ScreenCapture frontBefore = ScreenCapture::OfWindow(front.Handle());
    const ScreenCapture behindBefore = ScreenCapture::OfWindow(behind.Handle());
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());

    host.settings.ShowTitle = 0;
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.engine->CurrentBackground = background.get();
    host.engine->RefreshCaptions();
    ScreenCapture frontAfter;
    WaitFor(
        [&] {
            frontAfter = ScreenCapture::OfWindow(front.Handle());
            return frontAfter.At(caption.left + 1, caption.top + 1) == kRed;
        },
        2000);
    EXPECT_EQ(frontAfter.At(caption.left + 1, caption.top + 1), kRed) << "the background is in the front caption";
    EXPECT_EQ(frontAfter.At(caption.left + 40, caption.bottom - 1), kRed);
    EXPECT_EQ(CountChanged(frontBefore, frontAfter, [&](int x, int y) { return !Inside(caption, x, y); }), 0)
        << "pixels outside the caption rectangle changed";
    const auto style = static_cast<uint32_t>(GetWindowLongA(front.Handle(), GWL_STYLE));
    const CaptionMetrics metrics{host.engine->Metrics.iBorderWidth, host.engine->Metrics.iCaptionHeight,
                                 host.engine->Metrics.iSmCaptionHeight};
    const CaptionButtonAreas buttons = ComputeButtonAreas(caption, style, 0, metrics);
    const auto inClose = [&](int x, int y) {
        return x >= buttons.close.x && x < buttons.close.x + buttons.close.width && y >= buttons.close.y &&
               y < buttons.close.y + buttons.close.height;
    };
    EXPECT_EQ(CountChanged(frontBefore, frontAfter, inClose), 0) << "the close button was painted over";
    const ScreenCapture behindAfter = ScreenCapture::OfWindow(behind.Handle());
    EXPECT_EQ(CountChanged(behindBefore, behindAfter, [](int, int) { return true; }), 0)
        << "a window the coverage leaves out was painted";
    if (HasFailure())
        frontAfter.Save("engine-background");

    host.settings.WindowCoverage = kPaintMainWindows;
    host.engine->RefreshCaptions();
    const CaptionRect behindCaption = CaptionOf(*host.engine, behind.Handle());
    EXPECT_TRUE(WaitFor(
        [&] { return ScreenCapture::OfWindow(behind.Handle()).At(behindCaption.left + 1, behindCaption.top + 1) == kRed; },
        2000))
        << "main windows are covered in mode 1";
}

TEST_F(PaintEngineTest, TimerMethodKeepsCaptionsPaintedUntilTheBackgroundIsDeselected) {
    TestWindow front("Engine timer", kOverlapped, 0, 300, 120);
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());
    const auto captionIsRed = [&] {
        return ScreenCapture::OfWindow(front.Handle()).At(caption.left + 1, caption.top + 1) == kRed;
    };
    host.settings.PaintByType = kPaintByTimer;
    host.settings.RefreshFrequency = 1; // once a second, so the system's own caption shows between refreshes
    host.engine->CurrentBackground = background.get();
    host.engine->Scheduler.OnBackgroundSelChange(false, true);
    EXPECT_TRUE(WaitFor(captionIsRed, 2000));

    SetWindowTextA(front.Handle(), "Engine timer, retitled");
    EXPECT_TRUE(WaitFor([&] { return !captionIsRed(); }, 1000)) << "the system drew its own caption again";
    EXPECT_TRUE(WaitFor(captionIsRed, 2500)) << "the refresh timer brings the background back";

    host.engine->CurrentBackground = nullptr;
    host.engine->Scheduler.OnBackgroundSelChange(true, false);
    EXPECT_TRUE(WaitFor([&] { return !captionIsRed(); }, 2000)) << "the system's caption comes back";
}

// A pass copies a caption only when it does not already show what was composed for it: whatever
// the system drew over it, and whatever changed in what is to be drawn, must come back at once.
TEST_F(PaintEngineTest, EachPassRepaintsCaptionsTheSystemRedrewOrWhoseLookChanged) {
    TestWindow front("Engine repaint", kOverlapped, 0, 300, 120);
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.settings.TitleTransparent = 0;
    host.settings.TextBackgroundColorIndex = 9; // green box
    host.engine->CurrentBackground = background.get();
    const int boxX = 15; // inside the title's box, left of the title itself
    const int boxY = (caption.top + caption.bottom) / 2;
    const auto at = [&](int x, int y) { return ScreenCapture::OfWindow(front.Handle()).At(x, y); };
    const auto afterOnePass = [&](int x, int y, uint32_t colour) {
        host.engine->RefreshCaptions();
        return WaitFor([&] { return at(x, y) == colour; }, 1000);
    };
    EXPECT_TRUE(afterOnePass(boxX, boxY, 0x00FF00));
    EXPECT_TRUE(afterOnePass(boxX, boxY, 0x00FF00)) << "a caption that shows its paint stays as it is";

    RedrawWindow(front.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(WaitFor([&] { return at(caption.left + 1, caption.top + 1) != kRed; }, 1000));
    EXPECT_TRUE(afterOnePass(caption.left + 1, caption.top + 1, kRed)) << "the system's redraw is painted over";

    host.settings.TextBackgroundColorIndex = 10; // blue box
    EXPECT_TRUE(afterOnePass(boxX, boxY, 0x0000FF)) << "a change of settings alone shows";
    const std::string bluePath = WriteSolidBackground("EngineBlue", 0, 0, 255);
    CBackgroundEntry blue(bluePath.c_str());
    DeleteFileA(bluePath.c_str());
    host.engine->CurrentBackground = &blue;
    EXPECT_TRUE(afterOnePass(caption.left + 1, caption.top + 1, 0x0000FF)) << "so does another background";
}

// In mode 0 every captioned window below a painted one is painted once for each painted
// ancestor that reaches it, in the system's order, however the windows below are listed.
TEST_F(PaintEngineTest, AllWindowsModePaintsNestedCaptionsOncePerPaintedAncestor) {
    struct Recorder : CaptionDrawer {
        void DrawCaption(WindowId window, const CaptionRect&, bool) override { drawn.push_back(ToHandle(window)); }
        std::vector<HWND> drawn;
    } recorder;
    TestWindow top("Engine nested", kOverlapped, 0, 400, 300);
    const auto child = [](HWND parent, const char* title, int x) {
        return CreateWindowExA(0, "BndxTestWindow", title, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, 0, 150,
                               100, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    };
    const HWND middle = child(top.Handle(), "Middle", 0);
    const HWND inner = child(middle, "Inner", 0);
    const HWND untitled = child(top.Handle(), "", 160);
    const HWND underUntitled = child(untitled, "Under untitled", 0);
    ASSERT_TRUE(middle && inner && untitled && underUntitled);

    const Win32Desktop desktop;
    const int32_t coverage = kPaintAllWindows;
    const WindowId none = 0;
    const CaptionMetrics metrics{4, 18, 14};
    CaptionSelection selection(desktop, recorder, {coverage, none, metrics});
    selection.PaintCaption(ToWindowId(top.Handle()), false);
    EXPECT_EQ(recorder.drawn, (std::vector<HWND>{top.Handle(), middle, inner, inner, underUntitled}));
}

TEST_F(PaintEngineTest, WithoutBackgroundOrScrollNothingIsTouched) {
    TestWindow front("Engine untouched", kOverlapped, 0, 300, 120);
    const ScreenCapture before = ScreenCapture::OfWindow(front.Handle());
    host.engine->RefreshCaptions();
    PumpMessages(100);
    EXPECT_EQ(CountChanged(before, ScreenCapture::OfWindow(front.Handle()), [](int, int) { return true; }), 0);
}

TEST_F(PaintEngineTest, TitleIsDrawnAtItsAlignmentInItsColourWithItsBox) {
    TestWindow front("Engine title", kOverlapped, 0, 320, 120);
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());
    host.engine->CurrentBackground = background.get();
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.settings.Alignment = kAlignLeft;
    host.settings.TitleColorIndex = 10;         // blue
    host.settings.TextBackgroundColorIndex = 9; // green box
    host.settings.TitleTransparent = 0;
    host.engine->RefreshCaptions();

    ScreenCapture shot;
    std::pair<int, int> box, ink;
    WaitFor(
        [&] {
            shot = ScreenCapture::OfWindow(front.Handle());
            box = ColourSpan(shot, caption, caption.right - 80, 0x00FF00);
            ink = ColourSpan(shot, caption, caption.right - 80, 0x0000FF);
            return box.first >= 0 && ink.first >= 0;
        },
        2000);
    EXPECT_GE(box.first, 20 - 10) << "box from 10 pixels left of the title";
    EXPECT_LE(box.first, 20 - 10 + 4) << "(rounded corners cut a few pixels)";
    EXPECT_GE(ink.first, 20);
    EXPECT_LE(ink.first, 20 + 3) << "a left-aligned title starts at x = 20";
    EXPECT_GT(box.second, ink.second) << "the box reaches beyond the title's end";
    if (HasFailure())
        shot.Save("engine-title");
}

TEST_F(PaintEngineTest, ScrollTextMovesTwoPixelsPerStepAndEndsWhenItHasPassedTheLeftEdge) {
    TestWindow front("Engine scroll", kOverlapped, 0, 300, 120);
    const CaptionRect caption = CaptionOf(*host.engine, front.Handle());
    FixedLine line("IIII");
    host.settings.TextColorIndex = 7;  // yellow
    host.settings.ForegroundTransparent = 1;
    host.engine->CurrentBackground = background.get();
    PaintScheduler& scheduler = host.engine->Scheduler;
    scheduler.CurrentForeground = &line;
    scheduler.ScrollText = "IIII";
    scheduler.ResetScrollPosition = true;
    scheduler.StartTimer(TIMER_SCROLL_STEP, false);
    ASSERT_TRUE(scheduler.Scrolling);
    ::KillTimer(host.Window(), TIMER_SCROLL_STEP); // the test makes every step itself

    const auto step = [&] { host.engine->OnMessage(WM_TIMER, TIMER_SCROLL_STEP, 0); };
    step();
    EXPECT_EQ(ScrollPosition, caption.right - caption.left - 2) << "starts at the caption's width, then moves 2";
    for (int i = 0; i < 50; ++i)
        step();
    // Glyphs start a pixel or two right of the position they are drawn at.
    std::pair<int, int> at;
    EXPECT_TRUE(WaitFor(
        [&] {
            at = ColourSpan(ScreenCapture::OfWindow(front.Handle()), caption, caption.right, 0xFFFF00);
            return at.first >= ScrollPosition + 2 && at.first <= ScrollPosition + 2 + 3;
        },
        2000))
        << "the text is drawn where the position says: " << at.first << " for " << ScrollPosition + 2;

    int steps = 51;
    while (scheduler.Scrolling && steps < 1000) {
        step();
        ++steps;
    }
    EXPECT_FALSE(scheduler.Scrolling) << "position " << ScrollPosition << ", foreground "
                                      << (GetForegroundWindow() == front.Handle());
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    SIZE extent{};
    GetTextExtentPoint32A(dc, "IIII", 4, &extent);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const int start = caption.right - caption.left;
    EXPECT_EQ(steps, (start + extent.cx + 1) / 2 + 1) << "ends at the first tick with the right end at or left of 0";
    EXPECT_TRUE(WaitFor(
        [&] { return ColourSpan(ScreenCapture::OfWindow(front.Handle()), caption, caption.right, 0xFFFF00).first < 0; },
        2000))
        << "the caption is repainted without the text";
}

// The highest slot of the process's drawing-object table in use by a burst of new objects.
// The table hands out freed slots before new ones, so objects left behind by earlier work push
// this mark up: it tells leaks where the platform offers no count of objects.
int ObjectTableHighWater() {
    std::vector<HGDIOBJ> probes;
    int highest = 0;
    for (int i = 0; i < 64; ++i) {
        probes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
        highest = std::max(highest, static_cast<int>(reinterpret_cast<uintptr_t>(probes.back()) & 0xFFFF));
    }
    for (HGDIOBJ probe : probes)
        DeleteObject(probe);
    return highest;
}

TEST_F(PaintEngineTest, ThousandsOfPaintsLeaveNoDrawingObjectBehind) {
    TestWindow front("Engine hygiene", kOverlapped, 0, 300, 120);
    FixedLine line("Hygiene");
    host.settings.TitleTransparent = 0;
    host.settings.WindowCoverage = kPaintForegroundWindow;
    host.engine->CurrentBackground = background.get();
    PaintScheduler& scheduler = host.engine->Scheduler;
    scheduler.CurrentForeground = &line;
    scheduler.ScrollText = "Hygiene";
    scheduler.StartTimer(TIMER_SCROLL_STEP, false);
    ::KillTimer(host.Window(), TIMER_SCROLL_STEP);

    const auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            host.engine->OnMessage(WM_TIMER, TIMER_SCROLL_STEP, 0); // text, box, buttons
            host.engine->OnMessage(WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(front.Handle()));
        }
    };
    paint(50);
    const int before = ObjectTableHighWater();
    paint(1500);
    EXPECT_LE(ObjectTableHighWater(), before + 8) << "drawing objects survive their paint";
}

TEST_F(PaintEngineTest, HookMethodRepaintsAnotherProgramsCaptionAfterTheSystemRedrawsIt) {
    host.engine->CurrentBackground = background.get();
    host.settings.ShowTitle = 0;
    host.engine->PaintingEnabled = TRUE;
    host.engine->SetHook(true);

    RunningProgram subject(TestProgramPath("caption_subject.exe"));
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = FindWindowA(nullptr, "Caption subject retitled")) != nullptr; }, 5000));
    const CaptionRect caption = CaptionOf(*host.engine, window);
    EXPECT_TRUE(WaitFor([&] { return ScreenCapture::OfWindow(window).At(caption.left + 1, caption.top + 1) == kRed; },
                        3000))
        << "no timer runs: only the hook can have brought the background back";
    EXPECT_EQ(subject.WaitForExit(5000), 0);
}

} // namespace
} // namespace bndx::test
