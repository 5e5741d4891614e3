// The Options dialogs as the user works them: Apply takes effect on the captions at once,
// Cancel keeps what was, the paint method waits for Apply, and the font dialog's choice
// (or its cancellation) is what ends up in Banderix.INI.
#include "tests/win/banderix/banderix_test.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>

namespace bndx::e2e {
namespace {

using BanderixOptions = BanderixTest;

constexpr char kRedBackground[] = "[Main]\nSelectedBackground=Red\n";

bool Closed(HWND dialog) {
    return WaitFor([dialog] { return !IsWindow(dialog); }, 3000);
}

TEST_F(BanderixOptions, ApplyShowsANewAlignmentAndTitleColourAtOnce) {
    settings.Write(std::string(kRedBackground) + "[Foreground]\nTitleColorIndex=7\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow subject("Aligned subject", 40, 560, 500);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    test::ScreenCapture shot;
    Span yellow;
    ASSERT_TRUE(WaitFor(
        [&] {
            shot = subject.Shot();
            return (yellow = subject.ColourSpan(shot, kYellow)).Found();
        },
        3000))
        << "no yellow title on the restored background";
    EXPECT_GE(yellow.left, 20) << "left justified titles start at 20";
    EXPECT_LE(yellow.left, 24);

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    ChooseComboItem(options, IDC_ALIGNMENT, 2);     // "Right Justify"
    ListBox(options, IDC_ELEMENT_LIST).ClickRow(0); // "Window Title"
    ListBox(options, IDC_COLOUR_LIST).ClickRow(10); // blue
    ASSERT_TRUE(BringToFront(subject.Handle()));
    PumpMessages(500);
    EXPECT_TRUE(subject.ColourSpan(subject.Shot(), kYellow).Found()) << "nothing changes before Apply";

    Click(options, ID_APPLY);
    const int middle = (subject.Caption().left + subject.Caption().right) / 2;
    Span blue;
    EXPECT_TRUE(WaitFor(
        [&] {
            shot = subject.Shot();
            blue = subject.ColourSpan(shot, kBlue);
            return blue.Found() && blue.left > middle && !subject.ColourSpan(shot, kYellow).Found();
        },
        3000))
        << "after Apply the title should be blue at the right; blue from " << blue.left << ", middle " << middle;
    if (HasFailure()) shot.Save("options-apply-title");

    Click(options, IDCANCEL);
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Foreground", "Alignment"), "2") << "what was applied stays after Cancel";
    EXPECT_EQ(settings.Read("Foreground", "TitleColorIndex"), "10");
}

TEST_F(BanderixOptions, ApplyingForegroundOnlyCoverageLeavesWindowsBehindToTheSystem) {
    settings.Write(kRedBackground);
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow behind("Subject behind", 520, 560, 400);
    SubjectWindow front("Subject in front", 40, 560, 400);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(front.Handle()));
    ASSERT_TRUE(behind.WaitForFill(kRed, 3000)) << "all windows are painted at first";

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    Click(options, IDC_PAINT_FOREGROUND);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(options, IDC_PAINT_FOREGROUND); }, 2000));
    Click(options, ID_APPLY);
    ASSERT_TRUE(BringToFront(front.Handle()));
    EXPECT_TRUE(behind.WaitForSystemCaption(3000)) << "the window behind is given back to the system";
    EXPECT_TRUE(front.WaitForFill(kRed, 3000)) << "the window in front is still painted";
    PumpMessages(600);
    EXPECT_TRUE(behind.ShowsSystemCaption()) << "and it stays so";

    Click(options, IDOK);
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Background", "WindowCoverage"), "2");
}

struct SliderEnding {
    const char* name;
    std::vector<int> buttons; // pressed in turn after moving both sliders
    const char* speed;
    const char* frequency;
    friend std::ostream& operator<<(std::ostream& out, const SliderEnding& c) { return out << c.name; }
};

using BanderixSliders = BanderixTableTest<SliderEnding>;

TEST_P(BanderixSliders, MovedSlidersCountOnlyOnceApplied) {
    settings.Write("[Foreground]\nSpeed=4\nFrequency=2\n");
    ASSERT_TRUE(StartSettled());
    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    EXPECT_EQ(SendDlgItemMessageA(options, IDC_SPEED, TBM_GETPOS, 0, 0), 4);
    EXPECT_EQ(SendDlgItemMessageA(options, IDC_FREQUENCY, TBM_GETPOS, 0, 0), 2);
    MoveSlider(options, IDC_SPEED, 7);
    MoveSlider(options, IDC_FREQUENCY, 5);
    for (const int button : GetParam().buttons) {
        Click(options, button);
        PumpMessages(300);
    }
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Foreground", "Speed"), GetParam().speed);
    EXPECT_EQ(settings.Read("Foreground", "Frequency"), GetParam().frequency);
}

INSTANTIATE_TEST_SUITE_P(Endings, BanderixSliders,
                         ::testing::Values(SliderEnding{"Cancel", {IDCANCEL}, "4", "2"},
                                           SliderEnding{"ApplyThenCancel", {ID_APPLY, IDCANCEL}, "7", "5"},
                                           SliderEnding{"OK", {IDOK}, "7", "5"}),
                         CaseName<SliderEnding>);

TEST_F(BanderixOptions, ApplyingAHigherSpeedSpeedsUpTheScrollingTextAtOnce) {
    settings.Write("[Main]\nNumForegroundsSelected=1\nForegroundSelected0=Lines\n"
                   "[Foreground]\nSpeed=1\nTextColorIndex=7\nForegroundTransparent=1\n");
    program.Data().AddTextForeground("lines.bxf", "Lines", {"Yellow words at walking pace"});
    // Narrower than the program's own windows, which are in front while the options change:
    // the text keeps its place from window to window, and on a narrower caption its cycle ends.
    SubjectWindow subject("Speed subject", 40, 560, 400, kButtonlessCaption);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    const auto textLeft = [&] { return subject.ColourSpan(subject.Shot(), kYellow).left; };
    // Pixels the text moves in the time, once it shows.
    const auto movedIn = [&](DWORD ms) {
        int from = -1;
        if (!WaitFor([&] { return (from = textLeft()) >= 0; }, 3000)) return -1;
        PumpMessages(ms);
        const int to = textLeft();
        return to < 0 ? -1 : from - to;
    };
    const int slow = movedIn(1500);
    ASSERT_GE(slow, 0) << "the restored foreground does not scroll on the window in front";
    EXPECT_LE(slow, 12) << "\"Slow\" moves 2 pixels every half second";

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    MoveSlider(options, IDC_SPEED, 7);
    Click(options, ID_APPLY);
    PumpMessages(300);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    const int fast = movedIn(1000);
    EXPECT_GE(fast, 15) << "speed 7 moves 2 pixels every 75 ms";
    if (HasFailure()) subject.Shot().Save("options-speed");
    Click(options, IDOK);
    EXPECT_TRUE(Closed(options));
}

TEST_F(BanderixOptions, PaintMethodChosenInAdvancedTakesEffectOnlyOnApply) {
    settings.Write(std::string(kRedBackground) + "[Background]\nPaintByType=1\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow subject("Method subject", 40, 560, 400);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000));

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    Click(options, ID_ADVANCED);
    const HWND advanced = WaitForWindowOf(program.ProcessId(), kAdvancedTitle, IDC_HOOK_METHOD, 5000);
    ASSERT_NE(advanced, nullptr) << program.DescribeVisible();
    EXPECT_TRUE(IsChecked(advanced, IDC_TIMER_METHOD)) << "the method in force is shown";
    Click(advanced, IDC_HOOK_METHOD);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(advanced, IDC_HOOK_METHOD); }, 2000));
    Click(advanced, IDOK);
    ASSERT_TRUE(Closed(advanced));

    // A scribble on the caption is noticed only by a refresh timer.
    ASSERT_TRUE(BringToFront(subject.Handle()));
    subject.Scribble(kGreen);
    EXPECT_TRUE(subject.WaitForFill(kRed, 2000)) << "the timer method is still in force before Apply";

    Click(options, ID_APPLY);
    PumpMessages(500);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    PumpMessages(300);
    subject.Scribble(kGreen);
    PumpMessages(1200);
    EXPECT_EQ(subject.Fill(), kGreen) << "after Apply no refresh timer runs";
    EXPECT_TRUE(HelperCaptionTurns(kRed, 520, 560)) << "the hook has a new program's caption painted";

    Click(options, IDOK);
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Background", "PaintByType"), "0");
}

struct FontChoice {
    const char* name;
    bool fontBefore;
    bool confirm; // OK in the font dialog, else Cancel
    friend std::ostream& operator<<(std::ostream& out, const FontChoice& c) { return out << c.name; }
};

using BanderixFont = BanderixTableTest<FontChoice>;

constexpr char kFontName[] = "Tahoma";
constexpr char kFontData[] = "-15,0,0,0,700,1,0,0,0,3,2,1,34";

TEST_P(BanderixFont, FontDialogChoiceIsSavedAndCancelKeepsTheFontAsItWas) {
    const FontChoice& c = GetParam();
    if (c.fontBefore)
        settings.Write(std::string("[Foreground]\nFontName=") + kFontName + "\nFontData=" + kFontData + "\n");
    ASSERT_TRUE(StartSettled());
    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    Click(options, IDC_FONT);
    const HWND fonts = WaitForWindowOf(program.ProcessId(), nullptr, cmb1, 5000);
    ASSERT_NE(fonts, nullptr) << "no font dialog: " << program.DescribeVisible();

    // Another face than the one shown, picked as the user picks it.
    const std::vector<std::string> faces = ComboItems(fonts, cmb1);
    const auto shown = static_cast<int>(SendDlgItemMessageA(fonts, cmb1, CB_GETCURSEL, 0, 0));
    int pick = -1;
    for (int i = 0; i < static_cast<int>(faces.size()) && pick < 0; ++i)
        if (i != shown && faces[i] != kFontName && !faces[i].empty() && faces[i][0] != '@') pick = i;
    ASSERT_GE(pick, 0) << "the font dialog offers no other face";
    ChooseComboItem(fonts, cmb1, pick);
    Click(fonts, c.confirm ? IDOK : IDCANCEL);
    ASSERT_TRUE(Closed(fonts));
    Click(options, IDCANCEL); // the font stays whatever happens to the Options dialog
    ASSERT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());

    const std::string name = settings.Read("Foreground", "FontName");
    const std::string data = settings.Read("Foreground", "FontData");
    if (c.confirm) {
        EXPECT_EQ(name, faces[pick]);
        EXPECT_EQ(std::count(data.begin(), data.end(), ','), 12) << data;
    } else if (c.fontBefore) {
        EXPECT_EQ(name, kFontName);
        EXPECT_EQ(data, kFontData);
    } else {
        EXPECT_TRUE(name == kAbsent || name.empty()) << "a font was chosen by cancelling: " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, BanderixFont,
                         ::testing::Values(FontChoice{"ChosenFace", false, true},
                                           FontChoice{"CancelKeepsTheFont", true, false},
                                           FontChoice{"CancelWithoutAFont", false, false}),
                         CaseName<FontChoice>);

} // namespace
} // namespace bndx::e2e
