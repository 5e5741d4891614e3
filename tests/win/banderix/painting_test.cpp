// What a selection does to other windows' captions: a background painted by the timer or the
// hook method (never over a window that draws its own title bar) and taken away again with
// "None", the scrolling text started at once, the settings file rewritten, and the add-in's own
// configuration offered when it applies.
#include "tests/win/banderix/banderix_test.h"

namespace bndx::e2e {
namespace {

using BanderixPainting = BanderixTest;

constexpr uint32_t kWhite = 0xFFFFFF;

struct PaintMethod {
    const char* name;
    int paintByType;
};

using BanderixPaintMethod = TableTest<BanderixTest, PaintMethod>;

// As browsers with tabs in the title bar do: the client area is the whole window, caption and all.
LRESULT CALLBACK WholeWindowIsClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCALCSIZE && wParam)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

// One run from the restored background to None and back. The splash and the main window cover
// the front window's caption at start-up and uncover it again, which the system may show in its
// own way without a message; under the hook method only what the hook reports is painted then.
TEST_P(BanderixPaintMethod, BackgroundIsPaintedIntoOtherCaptionsUntilNoneIsSelected) {
    const bool byTimer = GetParam().paintByType == 1;
    settings.Write(
        "[Main]\nSelectedBackground=Red\n[Background]\nPaintByType=" + std::to_string(GetParam().paintByType) + "\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow subject("Painted subject", 40, 620, 400);
    SubjectWindow ownTitleBar("Own title bar", 560, 400, 400);
    SetWindowLongPtrA(ownTitleBar.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WholeWindowIsClient));
    SetWindowPos(ownTitleBar.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    // A document window inside a client area inside a frame, as in any MDI program: "Paint All
    // Windows" reaches captions at any depth, through a parent without a caption.
    SubjectWindow frame("Frame subject", 40, 460, 500);
    const HWND client = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                        480, 80, frame.Handle(), nullptr, nullptr, nullptr);
    const HWND document = CreateWindowExA(0, "STATIC", "Document subject", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                          10, 5, 300, 70, client, nullptr, nullptr, nullptr);
    ASSERT_NE(document, nullptr);
    Process frontProgram;
    const HWND front = StartHelperWindow(frontProgram, "Helper in front", 20, 120); // below the splash
    ASSERT_NE(front, nullptr);
    ASSERT_TRUE(StartSettled());
    EXPECT_TRUE(WaitFor([&] { return CaptionRowIs(front, kRed); }, 2000)) << "the front caption after start-up";
    EXPECT_TRUE(frame.WaitForFill(kRed, 3000));
    EXPECT_TRUE(WaitFor([&] { return CaptionRowIs(document, kRed); }, 3000)) << "the document's caption";
    EXPECT_NE(ownTitleBar.Fill(), kRed) << "a window that draws its own title bar is left alone";

    Process belowProgram, aboveProgram;
    const HWND below = StartHelperWindow(belowProgram, "Helper below", 560, 560);
    EXPECT_TRUE(WaitFor([&] { return CaptionRowIs(below, kRed); }, 3000)) << "a program started afterwards";
    { // the part of a caption another window uncovers comes back painted
        const HWND above = StartHelperWindow(aboveProgram, "Helper above", 620, 550); // over the caption's middle
        ASSERT_NE(above, nullptr);
        PumpMessages(500);
        SetWindowPos(above, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(WaitFor([&] { return CaptionRowIs(below, kRed); }, 2000)) << "the uncovered part";
    }

    // A new title is painted too: the hook reports the caption's redraw, a refresh period finds the
    // title changed.
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000));
    const int titleEnd = subject.ColourSpan(subject.Shot(), kWhite).right;
    subject.Retitle("Painted subject, now with a far longer title");
    EXPECT_TRUE(WaitFor(
        [&] { return subject.Fill() == kRed && subject.ColourSpan(subject.Shot(), kWhite).right > titleEnd + 40; },
        3000))
        << "the new title";
    PumpMessages(500); // whatever the retitle set off is over

    // Paint behind the program's back: only a refresh timer can notice. A scribble may be painted
    // over before it is seen: whether one still shows after waitMs, up to three tries.
    const auto scribbleShows = [&](DWORD waitMs) {
        for (int tries = 0; tries < 3; ++tries) {
            subject.Scribble(kGreen);
            PumpMessages(waitMs);
            if (subject.Fill() == kGreen)
                return true;
        }
        return false;
    };
    if (byTimer) {
        // The scribble reaches the screen with the subject's next messages; a look that came first
        // would repaint it before it showed.
        ASSERT_TRUE(scribbleShows(50)) << "the scribble shows";
        // Its own program may draw over a caption that nothing else changed: looked at in its turn.
        EXPECT_TRUE(subject.WaitForFill(kRed, 12000)) << "the refresh timer repaints within its turn";
    } else {
        // On a busy machine a late report of what the test did just before may still bring a pass;
        // a refresh timer would repaint at every try.
        EXPECT_TRUE(scribbleShows(1200)) << "no refresh timer runs under the hook method";
    }

    program.Backgrounds().ClickRow(0);
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "None gives the system's caption back";
    EXPECT_TRUE(subject.Retitle("Painted subject, plain"));
    PumpMessages(600);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << "nothing paints it any more";

    program.Backgrounds().ClickRow(1);
    EXPECT_TRUE(subject.WaitForFill(kRed, 8000)) << "the background is painted without anything else happening";
}

INSTANTIATE_TEST_SUITE_P(Methods, BanderixPaintMethod,
                         ::testing::Values(PaintMethod{"Timer", 1}, PaintMethod{"Hook", 0}), CaseName<PaintMethod>);

// A background whose picture cannot be read is listed, since its description was read, but
// paints as None: the system's captions stay. A foreground selected scrolls at once and is
// saved; Configure is offered for one selected add-in alone and opens the add-in's own
// configuration.
TEST_F(BanderixPainting, AnUnreadableBackgroundPaintsAsNoneAForegroundScrollsAtOnceAndAnAddInIsConfigured) {
    settings.Write("[Main]\nSelectedBackground=Broken\n[Foreground]\nTextColorIndex=7\nForegroundTransparent=1\n");
    program.Data().AddUnreadableBackground("broken.bxb", "Broken");
    program.Data().AddTextForeground("lines.bxf", "Lines", {"Yellow words passing by"});
    ASSERT_TRUE(program.Data().AddSampleAddIn());
    SubjectWindow subject("Scrolled subject", 40, 560, 700, kButtonlessCaption);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    PumpMessages(800);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << std::hex << subject.Fill();
    EXPECT_EQ(program.Backgrounds().Selected(), std::vector<int>{1});
    EXPECT_EQ(settings.Read("Main", "SelectedBackground"), "Broken");
    const auto textShows = [&] { return subject.ColourSpan(subject.Shot(), kYellow).Found(); };
    ASSERT_FALSE(textShows());
    const ListBox list = program.Foregrounds();
    const int text = list.RowOf("Lines"), addIn = list.RowOf(kSampleAddInDescription);
    ASSERT_GE(text, 0);
    ASSERT_GE(addIn, 0);

    list.ClickRow(text);
    // The next scroll by the clock would be twenty minutes away.
    EXPECT_TRUE(WaitFor(textShows, 3000)) << "no text scrolled in at once";
    EXPECT_EQ(subject.Fill(), kBlack) << "on a background that paints as None the text runs on black";
    list.ClickRow(text);
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "deselecting stops the text and repaints";
    EXPECT_FALSE(textShows());

    ASSERT_TRUE(program.ShowFromTray());
    EXPECT_TRUE(WaitFor([&] { return RowEndColour(program.Backgrounds(), 1) == 0x808080; }, 3000))
        << "the unreadable background's row shows no picture";
    // Clicked one after the other: the text, the add-in beside it, then the text away again.
    const HWND main = program.MainWindow();
    EXPECT_FALSE(IsEnabled(main, IDC_CONFIGURE_FOREGROUND)) << "none selected";
    const struct {
        int row;
        int selected;
        bool offered;
    } clicks[] = {{text, 1, false}, {addIn, 2, false}, {text, 1, true}};
    for (const auto& click : clicks) {
        SCOPED_TRACE(testing::Message() << click.selected << " selected after row " << click.row);
        list.ClickRow(click.row);
        EXPECT_EQ(IsEnabled(main, IDC_CONFIGURE_FOREGROUND), click.offered);
        EXPECT_EQ(settings.Read("Main", "NumForegroundsSelected"), std::to_string(click.selected)) << "saved at once";
    }
    Click(main, IDC_CONFIGURE_FOREGROUND);
    const HWND box = WaitForMessageBox(program.ProcessId(), kSampleAddInDescription, 5000);
    ASSERT_NE(box, nullptr) << "the add-in's own configuration did not open: " << program.DescribeVisible();
    Click(box, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3000));
}

} // namespace
} // namespace bndx::e2e
