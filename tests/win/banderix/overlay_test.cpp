// Painting over the caption, where the desktop composes window frames (this test environment's
// prefix reports Windows 10): the Automatic setting lays a window of Banderix's own over each
// painted caption, which follows its target, lets every click through to the real caption, and
// never outlives the program or its target.
#include "tests/win/banderix/banderix_test.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

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

struct MouseStep {
    POINT at;
    DWORD buttons;
};

// The mouse as the user moves and presses it, through the system's input queue. All steps go in
// at once: a press on a caption starts the system's own move loop, which takes the rest.
void Mouse(std::initializer_list<MouseStep> steps) {
    std::vector<INPUT> inputs;
    for (const MouseStep& step : steps) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = step.at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = step.at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | step.buttons;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(300);
}

void ClickAt(POINT at) {
    Mouse({{at, 0}, {at, MOUSEEVENTF_LEFTDOWN}, {at, MOUSEEVENTF_LEFTUP}});
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

// One run: the overlay over a target, following it, letting clicks through, going with it,
// and none left after Close.
TEST_F(BanderixOverCaption, PaintsOverTheCaptionFollowsItsTargetAndLetsClicksThrough) {
    SubjectWindow subject("Overlaid subject", 40, 400, 560);
    const HWND target = subject.Handle();
    const test::ScreenCapture system = subject.Shot();
    ASSERT_TRUE(StartPainting(target));

    const test::ScreenCapture painted = subject.Shot();
    const CaptionLayout layout = CaptionLayoutOf(target);
    const CaptionRect& area = layout.area;
    EXPECT_EQ(test::CountChanged(
                  system, painted,
                  [&](int x, int y) { return x < area.left || x >= area.right || y < area.top || y >= area.bottom; }),
              0)
        << "outside the caption";
    EXPECT_EQ(test::CountChanged(system, painted, [&](int x, int y) { return layout.InButtons(x, y); }), 0)
        << "the caption buttons stay the system's";
    EXPECT_TRUE(InkSpan(painted, layout, [](uint32_t pixel) { return pixel == kWhite; }).Found()) << "the title";

    const RECT place = OverlayPlace(target);
    EXPECT_TRUE(OverlayCovers(target, place));

    { // A window of the test's own over the caption's painted part, then the subject in front again.
        test::TestWindow cover("Cover", WS_POPUP | WS_BORDER, 0, 120, 60);
        const POINT spot = OnScreen(target, PaintedSpot(target));
        SetWindowPos(cover.Handle(), HWND_TOP, spot.x - 20, spot.y - 30, 0, 0, SWP_NOSIZE);
        EXPECT_TRUE(WaitFor([&] { return PaintedColour(target) != kRed; }, 1000)) << "a window over the target covers";
    }
    ASSERT_TRUE(BringToFront(target));
    EXPECT_TRUE(WaitFor([&] { return OverlayCovers(target, place) && PaintedColour(target) == kRed; }, 1000))
        << "activated, the target keeps its overlay on top";

    const struct {
        const char* name;
        void (*change)(HWND);
        bool shown;
        int wider; // than at first
    } steps[] = {
        {"moved", [](HWND w) { SetWindowPos(w, nullptr, 90, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, true, 0},
        {"resized", [](HWND w) { SetWindowPos(w, nullptr, 0, 0, 640, 120, SWP_NOMOVE | SWP_NOZORDER); }, true, 80},
        {"minimised", [](HWND w) { ShowWindow(w, SW_MINIMIZE); }, false, 80},
        {"restored", [](HWND w) { ShowWindow(w, SW_RESTORE); }, true, 80},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change(target);
        RECT expected = place;
        expected.right += step.wider;
        if (step.shown) {
            EXPECT_TRUE(WaitFor([&] { return OverlayCovers(target, expected); }, 1000));
            EXPECT_TRUE(WaitFor([&] { return PaintedColour(target) == kRed; }, 1000));
        } else {
            EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(OverlayOf(target)); }, 1000));
        }
    }

    const POINT spot = OnScreen(target, PaintedSpot(target));
    std::optional<test::TestWindow> other(std::in_place, "Other", WS_OVERLAPPEDWINDOW, 0, 200, 100);
    ASSERT_TRUE(BringToFront(other->Handle()));

    ClickAt(spot);
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == target; }, 1000)) << "a click activates the target";
    PumpMessages(GetDoubleClickTime() + 100); // the press that follows is not a double-click

    RECT before, after;
    GetWindowRect(target, &before);
    const POINT moved{spot.x + 60, spot.y + 50};
    Mouse(
        {{spot, MOUSEEVENTF_LEFTDOWN}, {POINT{spot.x + 40, spot.y + 30}, 0}, {moved, 0}, {moved, MOUSEEVENTF_LEFTUP}});
    GetWindowRect(target, &after);
    EXPECT_EQ(after.left - before.left, 60) << "a drag moves the target";
    EXPECT_EQ(after.top - before.top, 50);

    Mouse({{moved, MOUSEEVENTF_LEFTDOWN},
           {moved, MOUSEEVENTF_LEFTUP},
           {moved, MOUSEEVENTF_LEFTDOWN},
           {moved, MOUSEEVENTF_LEFTUP}});
    EXPECT_TRUE(WaitFor([&] { return IsZoomed(target) != FALSE; }, 1000)) << "a double-click maximises";

    other.reset(); // its caption would take the overlay once the target is gone
    const ButtonBox close = CaptionLayoutOf(target).buttons.close;
    ClickAt(OnScreen(target, POINT{close.x + close.width / 2, close.y + close.height / 2}));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(target); }, 1000)) << "the close button closes";
    EXPECT_TRUE(WaitFor(NoOverlayLeft, 1000)) << "the overlay goes with its target";

    SubjectWindow last("Ending subject", 40, 400, 560);
    ASSERT_TRUE(BringToFront(last.Handle()));
    ASSERT_TRUE(WaitFor([&] { return OverlayOf(last.Handle()) != nullptr; }, 5000));
    EXPECT_TRUE(program.Close());
    EXPECT_TRUE(WaitFor(NoOverlayLeft, 3000)) << "none left after Close";
}

TEST_F(BanderixOverCaption, AHungTargetLeavesBanderixAnswering) {
    Process hung;
    const HWND target = StartHelperWindow(hung, "Hung subject", 300, 300, true);
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(StartPainting(target));
    // Another window in front before the target stops answering: under Wine a change of the
    // foreground waits for the window that loses it, which Windows does not.
    test::TestWindow front("Front", WS_OVERLAPPEDWINDOW, 0, 200, 100);
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(3000); // the target stops handling its messages meanwhile
    SetWindowPos(target, nullptr, 60, 380, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_ASYNCWINDOWPOS);
    PumpMessages(500);

    EXPECT_NE(program.OpenOptions(), nullptr) << program.DescribeVisible();
    program.Terminate();
    EXPECT_TRUE(WaitFor(NoOverlayLeft, 3000)) << "none left after a kill";
}

} // namespace
} // namespace bndx::e2e
