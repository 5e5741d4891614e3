// The overlay thread over windows of the test's own: what both threads keep of a target goes
// with the target, without anyone withdrawing it, and a new picture reaches the screen.
#include "common/painter_messages.h"
#include "painter/overlay/overlay_thread.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace bndx::test {
namespace {

int OverlaysShown() {
    return ShownWindowsOfClass(kOverlayWindowClass);
}

TEST(OverlayThread, DestroyedTargetsLeaveNothingBehindAndANewPictureShowsWhereItChanged) {
    const TestWindow painter("Painter", WS_POPUP, 0, 10, 10);
    OverlayThread overlays(painter.Handle(), 20);
    OverlayPicture picture;
    picture.caption = CaptionRect{8, 4, 108, 24};
    picture.pixels.assign(100 * 20, 0xFFFF0000);
    std::vector<std::unique_ptr<TestWindow>> targets;
    for (int i = 0; i < 4; ++i) {
        targets.push_back(std::make_unique<TestWindow>("Target", WS_OVERLAPPEDWINDOW, 0, 300, 100));
        // Apart, as a caption wholly under other windows gets no overlay.
        SetWindowPos(targets.back()->Handle(), nullptr, 20, 20 + 110 * i, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        overlays.Show(targets.back()->Handle(), picture);
    }
    ASSERT_TRUE(WaitFor([&] { return OverlaysShown() == 4 && overlays.TargetsKept() == 8; }, 3000))
        << OverlaysShown() << " shown, " << overlays.TargetsKept() << " kept: a picture and an entry each";

    targets.clear();
    const TestWindow last("Last target", WS_OVERLAPPEDWINDOW, 0, 300, 100);
    overlays.Show(last.Handle(), picture); // the wanted pictures change after the others have gone
    EXPECT_TRUE(WaitFor([&] { return OverlaysShown() == 1 && overlays.TargetsKept() == 2; }, 3000))
        << OverlaysShown() << " shown, " << overlays.TargetsKept() << " kept";

    // A scroll step's picture: only its changed columns go to the screen, and the rest stays.
    const auto shows = [&](int x, uint32_t colour) {
        return ScreenCapture::OfWindow(last.Handle()).At(picture.caption.left + x, 14) == colour;
    };
    ASSERT_TRUE(WaitFor([&] { return shows(50, 0xFF0000); }, 3000));
    for (int y = 0; y < 20; ++y)
        std::fill_n(picture.pixels.begin() + y * 100 + 40, 20, 0xFF00FF00);
    overlays.Show(last.Handle(), picture);
    EXPECT_TRUE(WaitFor([&] { return shows(50, 0x00FF00) && shows(10, 0xFF0000) && shows(90, 0xFF0000); }, 3000));

    // A step drawn in place is the overlay's own picture: when a window comes over part of the
    // caption, the overlay is shaped and painted again with it, not with the picture before.
    {
        RECT target{};
        GetWindowRect(last.Handle(), &target);
        const TestWindow cover("Cover", WS_POPUP, 0, 20, 40);
        SetWindowPos(cover.Handle(), HWND_TOP, target.left + picture.caption.left + 80, target.top, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE);
        PumpMessages(300); // many looks of the overlay thread
        EXPECT_TRUE(shows(50, 0x00FF00)) << "the picture before the step came back";
    }

    // Columns that turn clear show the target's own caption again (its colour and its title's ink),
    // not the colour they carry.
    for (int y = 0; y < 20; ++y)
        std::fill_n(picture.pixels.begin() + y * 100 + 40, 20, 0u);
    overlays.Show(last.Handle(), picture);
    const auto clearShowsTarget = [&] {
        const ScreenCapture shot = ScreenCapture::OfWindow(last.Handle());
        bool anyColour = false;
        for (int x = 40; x < 60; ++x) {
            const uint32_t colour = shot.At(picture.caption.left + x, 14);
            if (colour == 0x00FF00)
                return false;
            anyColour = anyColour || colour != 0;
        }
        return anyColour && shot.At(picture.caption.left + 10, 14) == 0xFF0000;
    };
    EXPECT_TRUE(WaitFor(clearShowsTarget, 3000));
}

// When the window in front goes, the system activates the next window down: never an overlay,
// over which no text scrolls (Wine ignores WS_EX_NOACTIVATE there).
TEST(OverlayThread, TheWindowBelowTheOneThatGoesIsActivatedNotAnOverlay) {
    const TestWindow painter("Painter", WS_POPUP, 0, 10, 10);
    OverlayThread overlays(painter.Handle(), 20);
    const TestWindow target("Target", WS_OVERLAPPEDWINDOW, 0, 300, 100);
    OverlayPicture picture;
    picture.caption = CaptionRect{8, 4, 108, 24};
    picture.pixels.assign(100 * 20, 0xFFFF0000);
    overlays.Show(target.Handle(), picture);
    ASSERT_TRUE(WaitFor([&] { return OverlaysShown() == 1; }, 3000));
    {
        const TestWindow front("In front", WS_POPUP, 0, 200, 100);
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == front.Handle(); }, 2000));
    }
    PumpMessages(200);
    char name[64] = "";
    GetClassNameA(GetForegroundWindow(), name, sizeof name);
    EXPECT_STRNE(name, kOverlayWindowClass);
}

} // namespace
} // namespace bndx::test
