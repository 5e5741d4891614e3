// Bandpost where the desktop composes window frames (a prefix that reports Windows 10): nothing
// drawn into another window's caption would show there, so the message is laid over it.
#include "tests/win/caption_on_screen.h"

#include <gtest/gtest.h>

namespace bndx::test {
namespace {

constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// The window directly above the target, if it is a click-through overlay the target owns.
HWND OverlayAbove(HWND target) {
    HWND above = GetWindow(target, GW_HWNDPREV);
    const LONG_PTR overlayStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    if (!above || GetWindow(above, GW_OWNER) != target || !IsWindowVisible(above) ||
        (GetWindowLongPtrA(above, GWL_EXSTYLE) & overlayStyle) != overlayStyle)
        return nullptr;
    return above;
}

TEST(BandpostOverComposedFrames, TheMessageScrollsInAnOverlayAboveTheFrontCaptionAndEnds) {
    TestWindow target("Bandpost target", kOverlapped, 0, 360, 140);
    CaptionLayout caption = CaptionLayoutOf(target.Handle());
    caption.area.left += caption.area.bottom - caption.area.top; // the window's icon stays uncovered
    Process bandpost;
    ASSERT_TRUE(bandpost.Start(DistPath("Bandpost.exe")));

    ScreenCapture shot;
    const int middle = (caption.area.left + caption.area.right) / 2;
    const Span span = WaitForWhiteText(target.Handle(), caption, shot, [&](const Span& s) { return s.left > middle; });
    ASSERT_TRUE(span.Found()) << "no message entered over the caption's right half";
    const HWND overlay = OverlayAbove(target.Handle());
    ASSERT_NE(overlay, nullptr) << "no overlay directly above the front window";
    RECT bounds, covered;
    GetWindowRect(target.Handle(), &bounds);
    GetWindowRect(overlay, &covered);
    const POINT ink{bounds.left + span.left, bounds.top + (caption.area.top + caption.area.bottom) / 2};
    EXPECT_TRUE(PtInRect(&covered, ink)) << "the ink is not the overlay's";
    EXPECT_EQ(WindowFromPoint(ink), target.Handle()) << "the overlay takes the clicks meant for the caption";
    EXPECT_LE(covered.right, bounds.left + caption.buttons.minMax.x) << "the overlay covers the caption buttons";
    if (HasFailure())
        shot.Save("bandpost-overlay");

    // Wine lets an activated owner rise above a window another process gave it; Bandpost puts
    // its overlay back at its next step.
    SetWindowPos(target.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(WaitFor([&] { return OverlayAbove(target.Handle()) == overlay; }, 1000))
        << "the overlay stayed below its raised target";

    EXPECT_EQ(bandpost.WaitForExit(kScrollTimeoutMs), 0);
    EXPECT_FALSE(IsWindow(overlay)) << "the overlay outlived the message";
}

} // namespace
} // namespace bndx::test
