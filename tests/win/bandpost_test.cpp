// Bandpost on a real desktop: what it draws on the caption of the window in front, what it
// tells a running Banderix, and how it ends.
#include "tests/win/caption_on_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace bndx::test {
namespace {

constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

// A copy of Bandpost with the text in its message block, in the temporary folder.
std::string PatchedCopy(const std::string& text) {
    const std::vector<uint8_t> image = PatchedBandpost(text);
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + "BandpostPatched.exe";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    return image.empty() ? std::string() : path;
}

TEST(Bandpost, APatchedCopyScrollsItsOwnTextOnceAcrossTheFrontCaptionWhileASecondCopyEndsAtOnce) {
    PainterStandIn painter;
    const std::string text = "Hello, Wine";
    const std::string path = PatchedCopy(text);
    ASSERT_FALSE(path.empty()) << "no message block found in Bandpost.exe";
    TestWindow target("Bandpost target", kOverlapped, 0, 360, 140);
    const CaptionLayout caption = CaptionLayoutOf(target.Handle());
    const ScreenCapture before = ScreenCapture::OfWindow(target.Handle());
    Process bandpost;
    ASSERT_TRUE(bandpost.Start(path));

    // The text enters at the right, where the system draws no text, and moves left; it is
    // measured once wholly inside the area, clear of the buttons.
    ScreenCapture first, later;
    const int middle = (caption.area.left + caption.area.right) / 2;
    const Span entering =
        WaitForWhiteText(target.Handle(), caption, first, [&](const Span& s) { return s.left > middle; });
    ASSERT_TRUE(entering.Found()) << "no text appeared in the caption's right half";
    HDC screen = GetDC(nullptr), dc = CreateCompatibleDC(screen);
    SIZE expected{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &expected);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const Span span = WaitForWhiteText(target.Handle(), caption, later, [&](const Span& s) {
        return s.left < entering.left - 20 && s.left + expected.cx < caption.buttons.minMax.x - 4 &&
               s.left > caption.area.left + 4;
    });
    ASSERT_LT(span.left, entering.left - 20) << "the text did not move left (last seen at " << span.left << ")";
    EXPECT_LE(span.right - span.left + 1, expected.cx) << "text on screen is wider than \"" << text << "\"";
    EXPECT_GE(span.right - span.left + 1, expected.cx - 4) << "text on screen is narrower than \"" << text << "\"";

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
    DeleteFileA(path.c_str());
    PumpMessages(100);
    const auto& excluded = painter.ExcludedWindows();
    ASSERT_GE(excluded.size(), 2u);
    EXPECT_EQ(excluded.front(), target.Handle()) << "Banderix is told which caption is being drawn on";
    EXPECT_EQ(excluded.back(), nullptr) << "and, at the end, that no caption is";
    EXPECT_EQ(std::count(excluded.begin(), excluded.end(), target.Handle()), static_cast<long>(excluded.size() - 1));
    EXPECT_TRUE(WaitFor(
        [&] {
            return CountChanged(before, ScreenCapture::OfWindow(target.Handle()), [](int, int) { return true; }) == 0;
        },
        5000))
        << "the system's caption did not come back";
}

TEST(Bandpost, EndsAtTheNextTickWithoutACaptionedWindowInFront) {
    PainterStandIn painter;
    TestWindow plain("Plain popup", WS_POPUP | WS_VISIBLE, 0, 200, 100);
    Process bandpost;
    ASSERT_TRUE(bandpost.Start(DistPath("Bandpost.exe")));
    EXPECT_EQ(bandpost.WaitForExit(5000), 0);
    PumpMessages(100);
    ASSERT_EQ(painter.ExcludedWindows().size(), 1u) << "nothing was drawn, so nothing but the end is announced";
    EXPECT_EQ(painter.ExcludedWindows()[0], nullptr);
}

} // namespace
} // namespace bndx::test
