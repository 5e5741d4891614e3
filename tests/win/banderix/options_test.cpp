// The Options dialogs as the user works them: Apply takes effect on the captions at once, Cancel
// keeps what was applied, and the font dialog's choice counts at once.
#include "tests/win/banderix/banderix_test.h"

#include <commctrl.h>
#include <dlgs.h>

namespace bndx::e2e {
namespace {

using BanderixOptions = BanderixTest;

constexpr char kRedBackground[] = "[Main]\nSelectedBackground=Red\n";

bool Closed(HWND dialog) {
    return WaitFor([dialog] { return !IsWindow(dialog); }, 3000);
}

// Two rounds of changes, each shown only once applied: the alignment, title colour and coverage,
// then the paint method and mode in Advanced Options; Cancel then keeps what was applied.
TEST_F(BanderixOptions, ApplyShowsTheAlignmentTitleColourCoverageThenTheMethodAtOnceAndCancelKeepsThem) {
    settings.Write(std::string(kRedBackground) + "[Background]\nPaintByType=1\n[Foreground]\nTitleColorIndex=7\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow behind("Subject behind", 520, 560, 400);
    SubjectWindow front("Subject in front", 40, 560, 400);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(front.Handle()));
    ASSERT_TRUE(behind.WaitForFill(kRed, 3000)) << "all windows are painted at first";
    ASSERT_TRUE(WaitFor([&] { return front.ColourSpan(front.Shot(), kYellow).Found(); }, 3000))
        << "no yellow title on the restored background";

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    ChooseComboItem(options, IDC_ALIGNMENT, 2);     // "Right Justify"
    ListBox(options, IDC_ELEMENT_LIST).ClickRow(0); // "Window Title"
    ListBox(options, IDC_COLOUR_LIST).ClickRow(10); // blue
    Click(options, IDC_PAINT_FOREGROUND);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(options, IDC_PAINT_FOREGROUND); }, 2000));
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(500);
    EXPECT_TRUE(front.ColourSpan(front.Shot(), kYellow).Found()) << "nothing changes before Apply";
    Click(options, ID_APPLY);
    ASSERT_TRUE(BringToFront(front.Handle()));
    const int middle = (front.Caption().left + front.Caption().right) / 2;
    test::ScreenCapture shot;
    Span blue;
    EXPECT_TRUE(WaitFor(
        [&] {
            shot = front.Shot();
            blue = front.ColourSpan(shot, kBlue);
            return blue.Found() && blue.left > middle && !front.ColourSpan(shot, kYellow).Found();
        },
        3000))
        << "after Apply the title should be blue at the right; blue from " << blue.left << ", middle " << middle;
    EXPECT_TRUE(behind.WaitForSystemCaption(3000)) << "the window behind is given back to the system";
    PumpMessages(600);
    EXPECT_TRUE(behind.ShowsSystemCaption()) << "and it stays so";

    Click(options, ID_ADVANCED);
    const HWND advanced = WaitForWindowOf(program.ProcessId(), kAdvancedTitle, IDC_HOOK_METHOD, 5000);
    ASSERT_NE(advanced, nullptr) << program.DescribeVisible();
    EXPECT_TRUE(IsChecked(advanced, IDC_TIMER_METHOD)) << "the method in force is shown";
    EXPECT_TRUE(IsChecked(advanced, IDC_PAINT_AUTOMATIC)) << "a file without PaintMode paints automatically";
    Click(advanced, IDC_HOOK_METHOD);
    Click(advanced, IDC_PAINT_INTO_CAPTION);
    ASSERT_TRUE(WaitFor(
        [&] { return IsChecked(advanced, IDC_HOOK_METHOD) && IsChecked(advanced, IDC_PAINT_INTO_CAPTION); }, 2000));
    Click(advanced, IDOK);
    ASSERT_TRUE(Closed(advanced));
    // A scribble on the caption is noticed only by a refresh timer.
    ASSERT_TRUE(BringToFront(front.Handle()));
    front.Scribble(kGreen);
    EXPECT_TRUE(front.WaitForFill(kRed, 2000)) << "the timer method is still in force before Apply";
    Click(options, ID_APPLY);
    PumpMessages(500);
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(300);
    front.Scribble(kGreen);
    PumpMessages(1200);
    EXPECT_EQ(front.Fill(), kGreen) << "after Apply no refresh timer runs";
    Process helper;
    const HWND late = StartHelperWindow(helper, "Started after Apply", 520, 400);
    EXPECT_TRUE(WaitFor([&] { return CaptionRowIs(late, kRed); }, 2000)) << "the hook has its caption painted";

    Click(options, IDCANCEL);
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Foreground", "Alignment"), "2") << "what was applied stays after Cancel";
    EXPECT_EQ(settings.Read("Foreground", "TitleColorIndex"), "10");
    EXPECT_EQ(settings.Read("Background", "WindowCoverage"), "2");
    EXPECT_EQ(settings.Read("Background", "PaintByType"), "0");
    EXPECT_EQ(settings.Read("Background", "PaintMode"), "1");
}

// Each case: whether a font is saved before, whether the font dialog is left with OK, then the
// buttons that end the Options dialog, and the speed and frequency saved.
struct Ending {
    const char* name;
    bool fontBefore;
    bool fontConfirmed;
    std::vector<int> buttons;
    const char* speed;
    const char* frequency;
};

using BanderixEndings = TableTest<BanderixTest, Ending>;

constexpr char kFontName[] = "Tahoma";
constexpr char kFontData[] = "-15,0,0,0,700,1,0,0,0,3,2,1,34";

TEST_P(BanderixEndings, MovedSlidersCountOnlyOnceAppliedAndTheFontDialogsChoiceAtOnce) {
    const Ending& c = GetParam();
    std::string ini = "[Foreground]\nSpeed=4\nFrequency=2\n";
    if (c.fontBefore)
        ini += std::string("FontName=") + kFontName + "\nFontData=" + kFontData + "\n";
    settings.Write(ini);
    ASSERT_TRUE(StartSettled());
    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    EXPECT_EQ(SendDlgItemMessageA(options, IDC_SPEED, TBM_GETPOS, 0, 0), 4);
    EXPECT_EQ(SendDlgItemMessageA(options, IDC_FREQUENCY, TBM_GETPOS, 0, 0), 2);
    MoveSlider(options, IDC_SPEED, 7);
    MoveSlider(options, IDC_FREQUENCY, 5);
    Click(options, IDC_FONT); // and another face than the one shown picked, as the user picks it
    const HWND fonts = WaitForWindowOf(program.ProcessId(), nullptr, cmb1, 5000);
    ASSERT_NE(fonts, nullptr) << "no font dialog: " << program.DescribeVisible();
    const std::vector<std::string> faces = ComboItems(fonts, cmb1);
    const auto shown = static_cast<int>(SendDlgItemMessageA(fonts, cmb1, CB_GETCURSEL, 0, 0));
    int pick = -1;
    for (int i = 0; i < static_cast<int>(faces.size()) && pick < 0; ++i)
        if (i != shown && faces[i] != kFontName && !faces[i].empty() && faces[i][0] != '@')
            pick = i;
    ASSERT_GE(pick, 0) << "the font dialog offers no other face";
    ChooseComboItem(fonts, cmb1, pick);
    Click(fonts, c.fontConfirmed ? IDOK : IDCANCEL);
    ASSERT_TRUE(Closed(fonts));
    for (const int button : c.buttons) {
        Click(options, button);
        PumpMessages(300);
    }
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());

    EXPECT_EQ(settings.Read("Foreground", "Speed"), c.speed);
    EXPECT_EQ(settings.Read("Foreground", "Frequency"), c.frequency);
    // The font stays whatever happens to the Options dialog.
    const std::string name = settings.Read("Foreground", "FontName"), data = settings.Read("Foreground", "FontData");
    if (c.fontConfirmed) {
        EXPECT_EQ(name, faces[pick]);
    } else if (c.fontBefore) {
        EXPECT_EQ(name + " " + data, std::string(kFontName) + " " + kFontData);
    } else {
        EXPECT_TRUE(name == kAbsent || name.empty()) << "a font was chosen by cancelling: " << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BanderixEndings,
    ::testing::Values(Ending{"ChosenFaceThenCancel", false, true, {IDCANCEL}, "4", "2"},
                      Ending{"FontKeptThenApplyAndCancel", true, false, {ID_APPLY, IDCANCEL}, "7", "5"},
                      Ending{"NoFontThenOK", false, false, {IDOK}, "7", "5"}),
    CaseName<Ending>);

} // namespace
} // namespace bndx::e2e
