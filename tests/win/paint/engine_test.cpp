// The caption painting engine on real windows: what it paints, where, and when.
#include "painter/paint/caption_layout.h"
#include "painter/paint/kept_surface.h"
#include "platform/framework/scoped_gdi.h"
#include "tests/win/caption_on_screen.h"
#include "tests/win/paint/engine_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <optional>

namespace bndx::test {
namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kYellow = 0xFFFF00;
constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

bool Shows(HWND window, int x, int y, uint32_t colour, DWORD timeoutMs = 2000) {
    return WaitFor([&] { return ScreenCapture::OfWindow(window).At(x, y) == colour; }, timeoutMs);
}

class PaintEngineTest : public ::testing::Test {
protected:
    PaintEngineTest()
        : backgroundPath(WriteSolidBackground("EngineRed", 255, 0, 0)), background(backgroundPath.c_str()) {}
    ~PaintEngineTest() override { DeleteFileA(backgroundPath.c_str()); }

    // Opens the window the test paints on, in front of every other.
    HWND Front(const char* title) {
        front.emplace(title, kOverlapped, 0, 300, 120);
        layout = CaptionLayoutOf(front->Handle());
        caption = layout.area;
        return front->Handle();
    }
    bool CaptionShows(uint32_t colour, DWORD timeoutMs = 2000) {
        return Shows(front->Handle(), caption.left + 1, caption.top + 1, colour, timeoutMs);
    }
    void Paint() {
        host.settings.WindowCoverage = kPaintForegroundWindow;
        host.engine->CurrentBackground = &background;
        host.engine->RefreshCaptions();
    }
    void StartScroll(const char* text) {
        line.text = text;
        host.StartScroll(line);
        ASSERT_TRUE(host.engine->Scheduler.Scrolling());
    }

    std::string backgroundPath;
    CBackgroundEntry background;
    EngineHost host;
    std::optional<TestWindow> front;
    CaptionLayout layout{};
    CaptionRect caption{};
    FixedLine line;
};

TEST_F(PaintEngineTest, PaintsOnlyInsideTheCaptionRectWithItsTitleBoxAndAgainWhereTheSystemRedrew) {
    const HWND window = Front("Engine front");
    PumpMessages(200);
    const ScreenCapture before = ScreenCapture::OfWindow(window);
    host.engine->RefreshCaptions();
    PumpMessages(100);
    EXPECT_EQ(CountChanged(before, ScreenCapture::OfWindow(window), [](int, int) { return true; }), 0)
        << "painted without a background";
    host.settings.ShowTitle = 0;
    Paint();
    ASSERT_TRUE(CaptionShows(kRed));
    const ScreenCapture after = ScreenCapture::OfWindow(window);
    EXPECT_EQ(after.At(caption.left + 40, caption.bottom - 1), kRed);
    const auto outside = [&](int x, int y) {
        return x < caption.left || x >= caption.right || y < caption.top || y >= caption.bottom;
    };
    EXPECT_EQ(CountChanged(before, after, outside), 0) << "pixels outside the caption rectangle changed";
    EXPECT_EQ(CountChanged(before, after, [&](int x, int y) { return layout.InButtons(x, y); }), 0)
        << "the caption buttons were painted over";
    if (HasFailure())
        after.Save("engine-background");

    // A pass copies a caption only when it does not already show what was composed for it, so a
    // caption the system drew again is painted over at the next.
    host.settings.ShowTitle = 1;
    host.settings.TitleTransparent = 0;
    host.settings.TextBackgroundColorIndex = 9;                     // green box
    const int boxX = 15, boxY = (caption.top + caption.bottom) / 2; // in the title's box, left of the title
    Paint();
    EXPECT_TRUE(Shows(window, boxX, boxY, kGreen, 1000));
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(WaitFor([&] { return !CaptionShows(kRed, 0); }, 1000));
    Paint();
    EXPECT_TRUE(CaptionShows(kRed, 1000)) << "the system's redraw is painted over";
}

TEST_F(PaintEngineTest, ScrollTextShowsWhereItsPositionSaysAndGoesOnceItHasRunOut) {
    const HWND window = Front("Engine scroll");
    host.settings.TextColorIndex = 7; // yellow
    host.settings.ForegroundTransparent = 1;
    host.engine->CurrentBackground = &background;
    StartScroll("IIII");
    const auto textAt = [&] {
        return InkSpan(ScreenCapture::OfWindow(window), layout, [](uint32_t pixel) { return pixel == kYellow; }).left;
    };
    for (int steps = 1; steps < 50; ++steps) // the first is drawn as the cycle starts
        host.Step();
    const int32_t position = host.engine->Scheduler.Scroll().Position;
    // Glyphs start a pixel or two right of the position they are drawn at.
    EXPECT_TRUE(WaitFor([&] { return textAt() >= position + 2 && textAt() <= position + 2 + 3; }, 2000))
        << "the text is drawn where the position says: " << textAt() << " for " << position + 2;

    for (int steps = 0; host.engine->Scheduler.Scrolling() && steps < 1000; ++steps)
        host.Step();
    EXPECT_TRUE(WaitFor([&] { return textAt() < 0; }, 2000)) << "the caption is repainted without the text";
}

// A window of a Unicode class, so that its title keeps every script.
struct UnicodeTitled {
    explicit UnicodeTitled(const wchar_t* title)
        : window(CreateWindowExW(0, L"STATIC", title, kOverlapped, 100, 100, 300, 120, nullptr, nullptr, nullptr,
                                 nullptr)) {
        SetForegroundWindow(window);
        WaitFor([this] { return GetForegroundWindow() == window; }, 2000);
        PumpMessages(200);
    }
    ~UnicodeTitled() { DestroyWindow(window); }
    const HWND window;
};

// The title drawn as the renderer draws it, left aligned in yellow on red, here.
void DrawHere(KeptSurface& surface, const wchar_t* title, HFONT font, const CaptionRect& caption) {
    HDC dc = surface.Get(caption.right, caption.bottom);
    ScopedSelect selected(dc, static_cast<HGDIOBJ>(font));
    const GdiObject red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT inside{caption.left, caption.top, caption.right, caption.bottom};
    FillRect(dc, &inside, static_cast<HBRUSH>(red.Get()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, title, static_cast<int>(wcslen(title)), &extent);
    RECT area{20, caption.top, 20 + extent.cx, caption.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 0));
    DrawTextW(dc, title, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
    GdiFlush();
}

TEST_F(PaintEngineTest, TitlesInEveryScriptShowAsTheSameStringDrawnWithTheSameFont) {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(font.lfFaceName, "Tahoma");
    host.settings.SetTextFont(font);
    host.settings.TitleColorIndex = 7;                                                // yellow
    for (const wchar_t* title : {L"\x039a\x03b1\x03bb\x03b7\x03bc\x03ad\x03c1\x03b1", // Greek
                                 L"\x041f\x0440\x0438\x0432\x0435\x0442"}) {          // Cyrillic
        SCOPED_TRACE(static_cast<unsigned>(title[0]));
        const UnicodeTitled window(title);
        caption = CaptionLayoutOf(window.window).area;
        Paint();
        KeptSurface expected;
        DrawHere(expected, title, host.settings.GetTextFont(), caption);
        const int titleEnd = caption.right / 2; // the title is short; the buttons are the system's
        ASSERT_TRUE(Shows(window.window, caption.left + 1, caption.top + 1, kRed, 2000));
        const ScreenCapture shot = ScreenCapture::OfWindow(window.window);
        int inked = 0, differing = 0;
        for (int y = caption.top; y < caption.bottom; ++y)
            for (int x = caption.left; x < titleEnd; ++x) {
                const uint32_t want = expected.Row(y)[x] & 0xFFFFFF;
                inked += want != kRed;
                differing += shot.At(x, y) != want;
            }
        EXPECT_GT(inked, 20) << "the title leaves ink";
        EXPECT_EQ(differing, 0) << "pixels of the caption differ from the title drawn here";
        if (HasFailure())
            shot.Save("engine-unicode-title");
    }
}

// The highest slot of the process's drawing-object table a burst of new objects takes. Freed
// slots are handed out first, so objects left behind push this mark up: it shows leaks where
// the platform offers no count of objects.
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
    const HWND window = Front("Engine hygiene");
    host.settings.TitleTransparent = 0;
    Paint();
    StartScroll("Hygiene");
    const auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            host.Step(); // text, box, buttons
            host.engine->OnMessage(WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(window));
        }
    };
    paint(50);
    const int before = ObjectTableHighWater();
    paint(1500);
    EXPECT_LE(ObjectTableHighWater(), before + 8) << "drawing objects survive their paint";
}

} // namespace
} // namespace bndx::test
