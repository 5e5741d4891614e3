// The caption painting engine on real windows: where it paints, the exact ink of titles in any
// script, and the drawing objects its paints leave.
#include "painter/overlay/system_rect.h"
#include "painter/paint/caption_layout.h"
#include "painter/paint/into_caption_presenter.h"
#include "platform/dib/kept_surface.h"
#include "platform/framework/scoped_gdi.h"
#include "tests/win/caption_on_screen.h"
#include "tests/win/paint/engine_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>

namespace bndx::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

bool CaptionShows(HWND window, const CaptionRect& caption, uint32_t colour) {
    return WaitFor([&] { return ScreenCapture::OfWindow(window).At(caption.left + 1, caption.top + 1) == colour; },
                   2000);
}

class PaintEngineTest : public ::testing::Test {
protected:
    PaintEngineTest()
        : backgroundPath(WriteSolidBackground("EngineRed", 255, 0, 0)), background(backgroundPath.c_str()) {}
    ~PaintEngineTest() override { DeleteFileA(backgroundPath.c_str()); }

    void Paint() {
        host.settings.WindowCoverage = kPaintForegroundWindow;
        host.engine->ChooseBackground(&background);
        host.engine->RefreshCaptions();
    }

    std::string backgroundPath;
    CBackgroundEntry background;
    EngineHost host;
};

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

// Greek: no character of it has a place in the program's ANSI code page.
TEST_F(PaintEngineTest, ATitleInAnotherScriptShowsAsTheSameStringDrawnWithTheSameFont) {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(font.lfFaceName, "Tahoma");
    host.settings.SetTextFont(font);
    host.settings.TitleColorIndex = 7; // yellow
    const wchar_t* title = L"\x039a\x03b1\x03bb\x03b7\x03bc\x03ad\x03c1\x03b1";
    const UnicodeTitled window(title);
    const CaptionRect caption = CaptionLayoutOf(window.window).area;
    Paint();
    KeptSurface expected;
    DrawHere(expected, title, host.settings.GetTextFont(), caption);
    const int titleEnd = caption.right / 2; // the title is short; the buttons are the system's
    ASSERT_TRUE(CaptionShows(window.window, caption, kRed));
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

// Painted with a title box and scrolling text, the window keeps every pixel outside its caption
// and the caption's buttons; thousands of such paints later, no drawing object is left over.
TEST_F(PaintEngineTest, PaintsOnlyInsideTheCaptionAndLeavesNoDrawingObjectBehind) {
    const TestWindow front("Engine hygiene", kOverlapped, 0, 300, 120);
    const HWND window = front.Handle();
    const CaptionLayout layout = CaptionLayoutOf(window);
    const CaptionRect& caption = layout.area;
    PumpMessages(200);
    const ScreenCapture before = ScreenCapture::OfWindow(window);
    host.settings.TitleTransparent = 0;
    Paint();
    ASSERT_TRUE(CaptionShows(window, caption, kRed));
    const ScreenCapture after = ScreenCapture::OfWindow(window);
    const auto outside = [&](int x, int y) {
        return x < caption.left || x >= caption.right || y < caption.top || y >= caption.bottom;
    };
    EXPECT_EQ(CountChanged(before, after, outside), 0) << "pixels outside the caption rectangle changed";
    EXPECT_EQ(CountChanged(before, after, [&](int x, int y) { return layout.InButtons(x, y); }), 0)
        << "the caption buttons were painted over";

    FixedLine line("Hygiene");
    host.StartScroll(line);
    ASSERT_TRUE(host.engine->Scheduler().Scrolling());
    const auto paint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            host.Step(); // text, box, buttons
            host.engine->OnMessage(WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(window));
        }
    };
    paint(50);
    const int highWater = ObjectTableHighWater();
    paint(1500);
    EXPECT_LE(ObjectTableHighWater(), highWater + 8) << "drawing objects survive their paint";
}

// Another program's captioned window, at a place on the screen and in front.
HWND StartSubject(Process& program, const char* title, int x, int y) {
    if (!program.Start(TestProgramPath("caption_subject.exe"), ".", std::string("\"") + title + "\""))
        return nullptr;
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA(nullptr, title)) != nullptr; }, 3000);
    if (window)
        SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    PumpMessages(300);
    return window;
}

// Presents the caption all red on window, and waits until the screen shows it.
bool PresentRed(IntoCaptionPresenter& presenter, HWND window, const CaptionLayout& layout) {
    const CaptionRect& caption = layout.area;
    KeptSurface composition;
    const HDC dc = composition.Get(caption.right, caption.bottom);
    if (!dc)
        return false;
    const GdiObject red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT whole{0, 0, caption.right, caption.bottom};
    FillRect(dc, &whole, static_cast<HBRUSH>(red.Get()));
    GdiFlush();
    presenter.Present(window, ComposedCaption{composition.Pixels(), composition.Stride(), dc, caption, layout.buttons,
                                              false, ButtonBox{}, nullptr});
    return CaptionShows(window, caption, kRed);
}

// The system draws its own caption over ours, and the screen shows it.
bool RedrawnBySystem(HWND window, const CaptionRect& caption) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    return WaitFor([&] { return ScreenCapture::OfWindow(window).At(caption.left + 1, caption.top + 1) != kRed; }, 2000);
}

CaptionSight SightOf(HWND window, std::vector<ScreenRect> covers = {}) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return CaptionSight{ToScreenRect(bounds), std::move(covers), false};
}

const bool kNotPalette = false;

// A look at a caption painted into compares only what shows of it: where another program's
// window covers it the screen shows that window, which is no reason to paint it again, while the
// part that shows still tells when the system drew its own caption over ours.
TEST(IntoCaptionLook, ComparesOnlyThePartOfTheCaptionThatShows) {
    Process belowProgram, aboveProgram;
    const HWND below = StartSubject(belowProgram, "Look below", 100, 100);
    ASSERT_NE(below, nullptr);
    const CaptionLayout layout = CaptionLayoutOf(below);
    RECT belowRect{};
    GetWindowRect(below, &belowRect);
    const HWND above = StartSubject(aboveProgram, "Look above", belowRect.left + 120, belowRect.top - 10);
    ASSERT_NE(above, nullptr);
    RECT aboveRect{};
    GetWindowRect(above, &aboveRect);
    const std::vector<ScreenRect> covers{ToScreenRect(aboveRect)};

    IntoCaptionPresenter presenter(kNotPalette);
    ASSERT_TRUE(PresentRed(presenter, below, layout));
    EXPECT_TRUE(presenter.StillShows(below, SightOf(below, covers))) << "the covered part was compared";
    ASSERT_TRUE(RedrawnBySystem(below, layout.area));
    EXPECT_FALSE(presenter.StillShows(below, SightOf(below, covers)))
        << "the system's caption over the part that shows";
}

// A window of the caption's own program may hide part of it (one document's window over
// another's): the screen shows that window there, and only the caption's own surface tells that
// the rest still shows ours, until the system draws its caption again.
TEST(IntoCaptionLook, ACaptionPartlyHiddenByAWindowOfItsOwnProgramStillShows) {
    Process program;
    ASSERT_TRUE(program.Start(TestProgramPath("caption_subject.exe"), ".", "\"Look documents\" documents"));
    HWND parent = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (parent = FindWindowA(nullptr, "Look documents")) != nullptr; }, 3000));
    SetWindowPos(parent, HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
    PumpMessages(300);
    const HWND hidden = FindWindowExA(parent, nullptr, nullptr, "Hidden in part");
    ASSERT_NE(hidden, nullptr);
    const CaptionLayout layout = CaptionLayoutOf(hidden);

    IntoCaptionPresenter presenter(kNotPalette);
    ASSERT_TRUE(PresentRed(presenter, hidden, layout));
    EXPECT_TRUE(presenter.StillShows(hidden, SightOf(hidden)))
        << "the part its own program's window hides was compared";
    ASSERT_TRUE(RedrawnBySystem(hidden, layout.area));
    EXPECT_FALSE(presenter.StillShows(hidden, SightOf(hidden))) << "the system's caption over the part that shows";
}

} // namespace

} // namespace bndx::test
