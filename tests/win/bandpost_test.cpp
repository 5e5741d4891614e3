// Bandpost on a real desktop: what it draws on the caption of the window in front, and how it
// ends. What it tells a running Banderix is seen where both run together.
#include "tests/win/caption_on_screen.h"

#include <gtest/gtest.h>

#include <fstream>

namespace bndx::test {
namespace {

TEST(Bandpost, ScrollsOnceAcrossTheFrontCaptionOnlyWhileASecondCopyEndsAtOnce) {
    TestWindow target("Bandpost target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 360, 140);
    const CaptionLayout caption = CaptionLayoutOf(target.Handle());
    const ScreenCapture before = ScreenCapture::OfWindow(target.Handle());
    Process bandpost;
    ASSERT_TRUE(bandpost.Start(DistPath("Bandpost.exe")));

    // The text enters at the right, where the system draws no text, and moves left.
    ScreenCapture first, later;
    const int middle = (caption.area.left + caption.area.right) / 2;
    const Span entering =
        WaitForWhiteText(target.Handle(), caption, first, [&](const Span& s) { return s.left > middle; });
    ASSERT_TRUE(entering.Found()) << "no text appeared in the caption's right half";
    const Span span =
        WaitForWhiteText(target.Handle(), caption, later, [&](const Span& s) { return s.left < entering.left - 20; });
    ASSERT_LT(span.left, entering.left - 20) << "the text did not move left (last seen at " << span.left << ")";

    const auto outsideArea = [&](int x, int y) {
        return y < caption.area.bottom + 4 &&
               (x < caption.area.left || x >= caption.area.right || y < caption.area.top || y >= caption.area.bottom);
    };
    EXPECT_EQ(CountChanged(before, later, outsideArea), 0) << "pixels outside the caption area changed";
    EXPECT_EQ(CountChanged(before, later, [&](int x, int y) { return caption.InButtons(x, y); }), 0)
        << "the caption buttons were painted over";
    EXPECT_EQ(first.At(caption.area.left + 2, caption.area.top + 2), SystemColourPixel(COLOR_ACTIVECAPTION))
        << "the area behind the text is the active caption colour";
    if (HasFailure())
        later.Save("bandpost-mid-scroll");

    Process second; // one message at a time
    ASSERT_TRUE(second.Start(DistPath("Bandpost.exe")));
    EXPECT_EQ(second.WaitForExit(5000), 0);
    EXPECT_TRUE(bandpost.Running()) << "the first copy goes on scrolling";
    EXPECT_EQ(bandpost.WaitForExit(kScrollTimeoutMs), 0);
    EXPECT_TRUE(WaitFor(
        [&] {
            return CountChanged(before, ScreenCapture::OfWindow(target.Handle()), [](int, int) { return true; }) == 0;
        },
        5000))
        << "the system's caption did not come back";
}

TEST(Bandpost, EndsAtOnceWithNothingToScrollOrNoCaptionedWindowInFront) {
    // A message block without text: Bandsmith never writes one, but a copy patched otherwise can have it.
    const std::string empty = TestProgramPath("BndxEmptyMessage.exe");
    const std::vector<uint8_t> image = PatchedBandpost("");
    std::ofstream(empty, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    const std::pair<std::string, DWORD> cases[] = {{empty, WS_OVERLAPPEDWINDOW}, {DistPath("Bandpost.exe"), WS_POPUP}};
    for (const auto& [program, style] : cases) {
        SCOPED_TRACE(program);
        TestWindow front("Bandpost target", style | WS_VISIBLE, 0, 360, 140);
        Process bandpost;
        ASSERT_TRUE(bandpost.Start(program));
        EXPECT_EQ(bandpost.WaitForExit(5000), 0);
    }
    DeleteFileA(empty.c_str());
}

} // namespace
} // namespace bndx::test
