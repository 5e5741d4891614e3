// The overlay thread over windows of the test's own: what both threads keep of a target goes
// with the target, without anyone withdrawing it.
#include "common/painter_messages.h"
#include "painter/overlay/overlay_thread.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace bndx::test {
namespace {

int OverlaysShown() {
    int shown = 0;
    for (HWND overlay = FindWindowExA(nullptr, nullptr, kOverlayWindowClass, nullptr); overlay;
         overlay = FindWindowExA(nullptr, overlay, kOverlayWindowClass, nullptr))
        shown += IsWindowVisible(overlay) ? 1 : 0;
    return shown;
}

TEST(OverlayThread, DestroyedTargetsLeaveNeitherPicturesNorEntriesBehind) {
    const TestWindow painter("Painter", WS_POPUP, 0, 10, 10);
    OverlayThread overlays(painter.Handle(), 20);
    OverlayPicture picture;
    picture.caption = CaptionRect{8, 4, 108, 24};
    picture.pixels.assign(100 * 20, 0xFFFF0000);
    std::vector<std::unique_ptr<TestWindow>> targets;
    for (int i = 0; i < 4; ++i) {
        targets.push_back(std::make_unique<TestWindow>("Target", WS_OVERLAPPEDWINDOW, 0, 300, 100));
        overlays.Show(targets.back()->Handle(), picture);
    }
    ASSERT_TRUE(WaitFor([&] { return OverlaysShown() == 4 && overlays.TargetsKept() == 8; }, 3000))
        << OverlaysShown() << " shown, " << overlays.TargetsKept() << " kept: a picture and an entry each";

    targets.clear();
    const TestWindow last("Last target", WS_OVERLAPPEDWINDOW, 0, 300, 100);
    overlays.Show(last.Handle(), picture); // the wanted pictures change after the others have gone
    EXPECT_TRUE(WaitFor([&] { return OverlaysShown() == 1 && overlays.TargetsKept() == 2; }, 3000))
        << OverlaysShown() << " shown, " << overlays.TargetsKept() << " kept";
}

} // namespace
} // namespace bndx::test
