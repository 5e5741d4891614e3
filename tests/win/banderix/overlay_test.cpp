// Painting over the caption, where the desktop composes window frames (this test environment's
// prefix reports Windows 10): the Automatic setting lays a window of Banderix's own over each
// painted caption, which follows its target, lets every click through to the real caption, never
// outlives the program or its target, and never waits on a target that hangs.
#include "tests/win/banderix/banderix_test.h"

#include <optional>

namespace bndx::e2e {
namespace {

constexpr char kRestoredRed[] = "[Main]\nSelectedBackground=Red\n";
constexpr uint32_t kWhite = 0xFFFFFF;

// Overlays are top-level windows of their own class, owned by their targets.
HWND OverlayOf(HWND target) {
    for (HWND overlay = FindWindowExA(nullptr, nullptr, kOverlayWindowClass, nullptr); overlay;
         overlay = FindWindowExA(nullptr, overlay, kOverlayWindowClass, nullptr))
        if (!target || GetWindow(overlay, GW_OWNER) == target)
            return overlay;
    return nullptr;
}

bool NoOverlayLeft() {
    return OverlayOf(nullptr) == nullptr;
}

// Where the overlay lies, relative to its target's outer top-left corner.
RECT OverlayPlace(HWND target) {
    RECT overlay{}, window{};
    GetWindowRect(OverlayOf(target), &overlay);
    GetWindowRect(target, &window);
    OffsetRect(&overlay, -window.left, -window.top);
    return overlay;
}

// The nearest shown window above a window.
HWND ShownAbove(HWND window) {
    HWND above = GetWindow(window, GW_HWNDPREV);
    while (above && !IsWindowVisible(above))
        above = GetWindow(above, GW_HWNDPREV);
    return above;
}

// Shown, directly above its target, at its place over the caption.
bool OverlayCovers(HWND target, const RECT& place) {
    const HWND overlay = OverlayOf(target);
    const RECT now = OverlayPlace(target);
    return overlay && IsWindowVisible(overlay) && ShownAbove(target) == overlay && EqualRect(&now, &place);
}

// A pixel of the painted caption away from the title and the buttons.
POINT PaintedSpot(HWND target) {
    const CaptionRect caption = CaptionLayoutOf(target).area;
    return POINT{caption.left + (caption.right - caption.left) * 7 / 10, (caption.top + caption.bottom) / 2};
}

uint32_t PaintedColour(HWND target) {
    const POINT spot = PaintedSpot(target);
    const test::ScreenCapture shot = test::ScreenCapture::OfWindow(target);
    return spot.x < shot.Width() && spot.y < shot.Height() ? shot.At(spot.x, spot.y) : 0xFFFFFFFF;
}

POINT OnScreen(HWND window, POINT inWindow) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return POINT{bounds.left + inWindow.x, bounds.top + inWindow.y};
}

class BanderixOverCaption : public BanderixTest {
protected:
    // Banderix started with the red background, the subject in front and painted.
    ::testing::AssertionResult StartPainting(HWND subject) {
        settings.Write(kRestoredRed);
        program.Data().AddBackground("red.bxb", "Red", kRed);
        if (auto started = StartSettled(); !started)
            return started;
        if (!BringToFront(subject))
            return ::testing::AssertionFailure() << "the subject did not come to the front";
        if (!WaitFor([&] { return OverlayOf(subject) && PaintedColour(subject) == kRed; }, 5000))
            return ::testing::AssertionFailure()
                   << "no overlay painted red over the subject: overlay " << OverlayOf(subject) << ", colour "
                   << std::hex << PaintedColour(subject);
        return ::testing::AssertionSuccess();
    }
};

// One run: the overlay over a target, letting clicks through, following it, going with it,
// and none left after Close.
TEST_F(BanderixOverCaption, PaintsOverTheCaptionFollowsItsTargetAndLetsClicksThrough) {
    std::optional<SubjectWindow> subject(std::in_place, "Overlaid subject", 40, 400, 560);
    const HWND target = subject->Handle();
    const test::ScreenCapture system = subject->Shot();
    ASSERT_TRUE(StartPainting(target));

    const test::ScreenCapture painted = subject->Shot();
    const CaptionLayout layout = CaptionLayoutOf(target);
    const CaptionRect& area = layout.area;
    EXPECT_EQ(test::CountChanged(
                  system, painted,
                  [&](int x, int y) { return x < area.left || x >= area.right || y < area.top || y >= area.bottom; }),
              0)
        << "outside the caption";
    EXPECT_EQ(test::CountChanged(system, painted, [&](int x, int y) { return layout.InButtons(x, y); }), 0)
        << "the caption buttons stay the system's";
    const Span title = subject->ColourSpan(painted, kWhite);
    EXPECT_TRUE(title.Found()) << "the title";

    { // Another window activated and the target again within one period: under Wine the target
      // then shows above its overlay, and nothing in the listing of windows tells.
        test::TestWindow other("Other", WS_OVERLAPPEDWINDOW, 0, 200, 100);
        ASSERT_TRUE(BringToFront(target));
        PumpMessages(300);
        SetForegroundWindow(other.Handle());
        SetForegroundWindow(target);
        EXPECT_TRUE(WaitFor([&] { return PaintedColour(target) == kRed; }, 1000)) << "the overlay goes on top again";
    }
    const RECT place = OverlayPlace(target);
    EXPECT_TRUE(OverlayCovers(target, place));
    EXPECT_EQ(WindowFromPoint(OnScreen(target, PaintedSpot(target))), target) << "clicks go through to the caption";

    { // A window of the test's own over the caption's painted part, then the target moved, resized
      // and in front again.
        test::TestWindow cover("Cover", WS_POPUP | WS_BORDER, 0, 120, 60);
        const POINT spot = OnScreen(target, PaintedSpot(target));
        SetWindowPos(cover.Handle(), HWND_TOP, spot.x - 20, spot.y - 30, 0, 0, SWP_NOSIZE);
        EXPECT_TRUE(WaitFor([&] { return PaintedColour(target) != kRed; }, 1000)) << "a window over the target covers";
        SetWindowPos(target, nullptr, 90, 300, 640, 120, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(BringToFront(target));
    }
    RECT wider = place;
    wider.right += 80;
    EXPECT_TRUE(WaitFor([&] { return OverlayCovers(target, wider) && PaintedColour(target) == kRed; }, 1000))
        << "moved, resized and activated, the target keeps its overlay on top";

    subject->Retitle("Overlaid subject, now with a far longer title");
    EXPECT_TRUE(WaitFor([&] { return subject->ColourSpan(subject->Shot(), kWhite).right > title.right + 40; }, 3000))
        << "a new title is painted";

    subject.reset();
    EXPECT_TRUE(WaitFor(NoOverlayLeft, 1000)) << "the overlay goes with its target";

    // The last target stops answering, with another window in front first: under Wine a change of
    // the foreground waits for the window that loses it, which Windows does not.
    Process hung;
    const HWND last = StartHelperWindow(hung, "Hung subject", 300, 300, true);
    ASSERT_NE(last, nullptr) << "start error " << hung.StartError() << ", running " << hung.Running();
    ASSERT_TRUE(BringToFront(last));
    ASSERT_TRUE(WaitFor([&] { return OverlayOf(last) != nullptr; }, 2000));
    test::TestWindow front("Front", WS_OVERLAPPEDWINDOW, 0, 200, 100);
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(3000); // the target stops handling its messages meanwhile
    DWORD_PTR ignored = 0;
    ASSERT_EQ(SendMessageTimeoutA(last, WM_NULL, 0, 0, SMTO_NORMAL, 200, &ignored), 0) << "the target still answers";
    SetWindowPos(last, nullptr, 60, 380, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_ASYNCWINDOWPOS);
    PumpMessages(500);
    const HWND options = program.OpenOptions();
    EXPECT_NE(options, nullptr) << "Banderix answers: " << program.DescribeVisible();
    Click(options, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return OverlayOf(front.Handle()) != nullptr; }, 5000));
    EXPECT_TRUE(program.Close()) << "Close with a target that does not answer";
    EXPECT_TRUE(WaitFor(NoOverlayLeft, 3000)) << "none left after Close";
}

// Two targets, the lower one's caption partly under the upper one's body, brought to the front in
// turn after their overlays appeared: the one in front shows its picture each time, and the part
// of a caption that the other window covers never shows ours. Then neither is painted any more.
TEST_F(BanderixOverCaption, EachTargetBroughtToTheFrontShowsItsPictureAndNoneShowsOverTheWindowAboveIt) {
    SubjectWindow upper("Upper subject", 40, 280, 420), lower("Lower subject", 240, 330, 420);
    ASSERT_TRUE(StartPainting(lower.Handle()));
    ASSERT_TRUE(WaitFor([&] { return PaintedColour(upper.Handle()) == kRed; }, 2000)) << "the window behind";
    const CaptionRect caption = lower.Caption();
    const POINT covered{300 - 240, (caption.top + caption.bottom) / 2}; // under the upper window's body
    for (int round = 0; round < 2; ++round)
        for (const SubjectWindow* front : {&upper, &lower}) {
            const HWND target = front->Handle();
            SCOPED_TRACE(testing::Message() << "round " << round << ", " << TextOf(target) << " in front");
            ASSERT_TRUE(BringToFront(target));
            EXPECT_TRUE(WaitFor([&] { return PaintedColour(target) == kRed; }, 1500)) << "its picture";
            const bool upperInFront = front == &upper;
            EXPECT_TRUE(WaitFor([&] { return (lower.Shot().At(covered.x, covered.y) == kRed) != upperInFront; }, 1500))
                << "the lower caption's covered part";
        }

    // A caption wholly under another window loses its overlay after a moment, and has it again once
    // it comes back into view.
    SetWindowPos(upper.Handle(), HWND_TOP, 240, 300, 0, 0, SWP_NOSIZE);
    EXPECT_TRUE(WaitFor([&] { return OverlayOf(lower.Handle()) == nullptr; }, 3000)) << "buried";
    SetWindowPos(upper.Handle(), nullptr, 40, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(WaitFor([&] { return PaintedColour(lower.Handle()) == kRed; }, 1500)) << "in view again";

    // Each stops being a window whose caption is painted: its overlay goes.
    SetWindowTextA(lower.Handle(), "");
    EXPECT_TRUE(WaitFor([&] { return OverlayOf(lower.Handle()) == nullptr; }, 1500)) << "retitled to nothing";
    SetWindowLongPtrA(upper.Handle(), GWL_STYLE, GetWindowLongPtrA(upper.Handle(), GWL_STYLE) & ~WS_CAPTION);
    SetWindowPos(upper.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EXPECT_TRUE(WaitFor([&] { return OverlayOf(upper.Handle()) == nullptr; }, 1500)) << "its caption taken away";
}

} // namespace
} // namespace bndx::e2e
