// Bandpost on a real desktop: what it draws on the caption of the window in front, what it
// tells a running Banderix, and how it ends.
#include "common/caption_geometry.h"
#include "common/message_block.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace bndx::test {
namespace {

// White text, smoothed at its edges: every channel well above the caption colour's darkest.
bool IsTextInk(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) >= 0xA0 && ((pixel >> 8) & 0xFF) >= 0xA0 && (pixel & 0xFF) >= 0xA0;
}
constexpr DWORD kScrollTimeoutMs = 30000;
constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

struct Caption {
    CaptionRect area;
    CaptionButtonAreas buttons;
};

Caption CaptionOf(HWND window) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = 340;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    const CaptionMetrics metrics{ncm.iBorderWidth, ncm.iCaptionHeight, ncm.iSmCaptionHeight};
    RECT bounds;
    GetWindowRect(window, &bounds);
    const auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    const CaptionRect area = ComputeCaptionRect(bounds.right - bounds.left, style, exStyle, metrics);
    return Caption{area, ComputeButtonAreas(area, style, exStyle, metrics)};
}

bool InBox(const ButtonBox& box, int x, int y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

bool InButtons(const Caption& caption, int x, int y) {
    return (caption.buttons.hasClose && InBox(caption.buttons.close, x, y)) ||
           (caption.buttons.hasMinMax && InBox(caption.buttons.minMax, x, y));
}

// The columns between which the white text shows in the caption area, buttons left out.
struct TextSpan {
    int left = -1;
    int right = -1;
    bool Visible() const { return left >= 0; }
};

TextSpan WhiteSpan(const ScreenCapture& shot, const Caption& caption) {
    TextSpan span;
    for (int y = caption.area.top; y < caption.area.bottom; ++y)
        for (int x = caption.area.left; x < caption.area.right; ++x)
            if (IsTextInk(shot.At(x, y)) && !InButtons(caption, x, y)) {
                if (span.left < 0 || x < span.left)
                    span.left = x;
                if (x > span.right)
                    span.right = x;
            }
    return span;
}

// Pixels that differ between two captures of the same window, in the part the predicate selects.
// Waits until the text shows in the caption and satisfies the condition; returns its span then.
TextSpan WaitForText(HWND window, const Caption& caption, ScreenCapture& shot,
                     const std::function<bool(const TextSpan&)>& condition) {
    TextSpan span;
    WaitFor(
        [&] {
            shot = ScreenCapture::OfWindow(window);
            span = WhiteSpan(shot, caption);
            return span.Visible() && condition(span);
        },
        10000);
    return span;
}

// Waits for Bandpost's text to enter at the right of the caption, where the system draws no text.
TextSpan WaitForScrollStart(HWND window, const Caption& caption, ScreenCapture& shot) {
    const int middle = (caption.area.left + caption.area.right) / 2;
    return WaitForText(window, caption, shot, [&](const TextSpan& s) { return s.left > middle; });
}

std::string PatchedCopy(const std::string& text) {
    std::ifstream in(DistPath("Bandpost.exe"), std::ios::binary);
    std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t offset = FindMessageBlock(image.data(), image.size());
    if (offset == kNoMessageBlock)
        return {};
    WriteMessageText(reinterpret_cast<char*>(image.data() + offset), text.data(), text.size());
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + "BandpostPatched.exe";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(image.data()), image.size());
    return path;
}

int DefaultFontWidth(const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return extent.cx;
}

TEST(Bandpost, ScrollsItsTextOnceAcrossTheFrontCaptionAndEnds) {
    PainterStandIn painter;
    TestWindow target("Bandpost target", kOverlapped, 0, 320, 140);
    const Caption caption = CaptionOf(target.Handle());
    const ScreenCapture before = ScreenCapture::OfWindow(target.Handle());

    RunningProgram bandpost(DistPath("Bandpost.exe"));
    ASSERT_TRUE(bandpost.Started());

    ScreenCapture first, later;
    const TextSpan entering = WaitForScrollStart(target.Handle(), caption, first);
    ASSERT_TRUE(entering.Visible()) << "no text appeared in the caption's right half";
    const TextSpan moved = WaitForText(target.Handle(), caption, later, [&](const TextSpan& s) {
        return s.left < entering.left - 20;
    });
    if (!(moved.Visible() && moved.left < entering.left - 20)) {
        later.Save("bandpost-not-moving");
        FAIL() << "the text did not move left from x=" << entering.left << " (last seen at " << moved.left << ")";
    }

    const auto outsideArea = [&](int x, int y) {
        return y < caption.area.bottom + 4 && (x < caption.area.left || x >= caption.area.right ||
                                               y < caption.area.top || y >= caption.area.bottom);
    };
    const auto inButtons = [&](int x, int y) { return InButtons(caption, x, y); };
    EXPECT_EQ(CountChanged(before, later, outsideArea), 0) << "pixels outside the caption area changed";
    EXPECT_EQ(CountChanged(before, later, inButtons), 0) << "the caption buttons were painted over";
    EXPECT_EQ(first.At(caption.area.left + 2, caption.area.top + 2), SystemColourPixel(COLOR_ACTIVECAPTION))
        << "the area behind the text is the active caption colour";
    if (HasFailure())
        later.Save("bandpost-mid-scroll");

    EXPECT_EQ(bandpost.WaitForExit(kScrollTimeoutMs), 0);
    PumpMessages(100);
    const auto& excluded = painter.ExcludedWindows();
    ASSERT_GE(excluded.size(), 2u);
    EXPECT_EQ(excluded.front(), target.Handle()) << "Banderix is told which caption is being drawn on";
    EXPECT_EQ(excluded.back(), nullptr) << "and, at the end, that no caption is";
    EXPECT_EQ(std::count(excluded.begin(), excluded.end(), target.Handle()), static_cast<long>(excluded.size() - 1));

    ScreenCapture after;
    EXPECT_TRUE(WaitFor(
        [&] {
            after = ScreenCapture::OfWindow(target.Handle());
            return CountChanged(before, after, [](int, int) { return true; }) == 0;
        },
        5000))
        << "the system's caption did not come back";
}

TEST(Bandpost, PatchedCopyScrollsItsOwnText) {
    const std::string text = "Hello, Wine";
    const std::string path = PatchedCopy(text);
    ASSERT_FALSE(path.empty()) << "no message block found in Bandpost.exe";

    TestWindow target("Patched target", kOverlapped, 0, 360, 140);
    const Caption caption = CaptionOf(target.Handle());
    RunningProgram bandpost(path);
    ASSERT_TRUE(bandpost.Started());

    // Measured once the whole text is inside the area, clear of the buttons.
    ScreenCapture shot;
    ASSERT_TRUE(WaitForScrollStart(target.Handle(), caption, shot).Visible());
    const int expected = DefaultFontWidth(text);
    const int clearOfButtons = caption.buttons.minMax.x - 4;
    const TextSpan span = WaitForText(target.Handle(), caption, shot, [&](const TextSpan& s) {
        return s.left + expected < clearOfButtons && s.left > caption.area.left + 4;
    });
    ASSERT_TRUE(span.Visible());
    const int inkWidth = span.right - span.left + 1;
    EXPECT_LE(inkWidth, expected) << "text on screen is wider than \"" << text << "\"";
    EXPECT_GE(inkWidth, expected - 4) << "text on screen is narrower than \"" << text << "\"";
    if (HasFailure())
        shot.Save("bandpost-patched");
    EXPECT_EQ(bandpost.WaitForExit(kScrollTimeoutMs), 0);
    DeleteFileA(path.c_str());
}

TEST(Bandpost, SecondCopyEndsAtOnceWhileOneRuns) {
    TestWindow target("Second copy target", kOverlapped, 0, 300, 120);
    RunningProgram first(DistPath("Bandpost.exe"));
    ASSERT_TRUE(WaitFor([] { return FindWindowA("Banderix_Mail_Class", nullptr) != nullptr; }, 5000));

    RunningProgram second(DistPath("Bandpost.exe"));
    EXPECT_EQ(second.WaitForExit(5000), 0);
    EXPECT_FALSE(first.HasEnded()) << "the first copy goes on scrolling";
    EXPECT_EQ(first.WaitForExit(kScrollTimeoutMs), 0);
}

TEST(Bandpost, EndsAtTheNextTickWithoutACaptionedWindowInFront) {
    PainterStandIn painter;
    TestWindow plain("Plain popup", WS_POPUP | WS_VISIBLE, 0, 200, 100);
    RunningProgram bandpost(DistPath("Bandpost.exe"));
    EXPECT_EQ(bandpost.WaitForExit(5000), 0);
    PumpMessages(100);
    ASSERT_EQ(painter.ExcludedWindows().size(), 1u) << "nothing was drawn, so nothing but the end is announced";
    EXPECT_EQ(painter.ExcludedWindows()[0], nullptr);
}

} // namespace
} // namespace bndx::test
