// The Options dialogs as the user works them: Apply takes effect on the captions at once, Cancel
// keeps what was applied and drops what was not, and the font dialog's choice counts at once.
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

// Two rounds of changes: the alignment, title colour and coverage, which show only once applied,
// then the paint method and mode in Advanced Options; then a speed left unapplied and a face chosen
// in the font dialog. Cancel keeps what was applied and the face, and drops the speed.
TEST_F(BanderixOptions, ApplyShowsTheChangesAtOnceAndCancelKeepsWhatWasAppliedAndTheChosenFace) {
    settings.Write(std::string(kRedBackground) + "[Background]\nPaintByType=1\n[Foreground]\nSpeed=4\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow behind("Subject behind", 520, 560, 400);
    SubjectWindow front("Subject in front", 40, 560, 400);
    ASSERT_TRUE(StartSettled());

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    ChooseComboItem(options, IDC_ALIGNMENT, 2);     // "Right Justify"
    ListBox(options, IDC_ELEMENT_LIST).ClickRow(0); // "Window Title"
    ListBox(options, IDC_COLOUR_LIST).ClickRow(10); // blue
    Click(options, IDC_PAINT_FOREGROUND);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(options, IDC_PAINT_FOREGROUND); }, 2000));
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(500);
    EXPECT_EQ(behind.Fill(), kRed) << "nothing changes before Apply";
    Click(options, ID_APPLY);
    ASSERT_TRUE(BringToFront(front.Handle()));
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
    Click(options, ID_APPLY);
    PumpMessages(500);
    // A scribble on the caption is noticed only by a refresh timer.
    ASSERT_TRUE(BringToFront(front.Handle()));
    PumpMessages(300);
    front.Scribble(kGreen);
    PumpMessages(1200);
    EXPECT_EQ(front.Fill(), kGreen) << "after Apply no refresh timer runs";

    EXPECT_EQ(SendDlgItemMessageA(options, IDC_SPEED, TBM_GETPOS, 0, 0), 4);
    MoveSlider(options, IDC_SPEED, 7);
    Click(options, IDC_FONT); // and another face than the one shown picked, as the user picks it
    const HWND fonts = WaitForWindowOf(program.ProcessId(), nullptr, cmb1, 5000);
    ASSERT_NE(fonts, nullptr) << "no font dialog: " << program.DescribeVisible();
    const std::vector<std::string> faces = ComboItems(fonts, cmb1);
    const auto shown = static_cast<int>(SendDlgItemMessageA(fonts, cmb1, CB_GETCURSEL, 0, 0));
    int pick = -1;
    for (int i = 0; i < static_cast<int>(faces.size()) && pick < 0; ++i)
        if (i != shown && !faces[i].empty() && faces[i][0] != '@')
            pick = i;
    ASSERT_GE(pick, 0) << "the font dialog offers no other face";
    ChooseComboItem(fonts, cmb1, pick);
    Click(fonts, IDOK);
    ASSERT_TRUE(Closed(fonts));
    Click(options, IDCANCEL);
    EXPECT_TRUE(Closed(options));
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Foreground", "Alignment"), "2") << "what was applied stays after Cancel";
    EXPECT_EQ(settings.Read("Foreground", "TitleColorIndex"), "10");
    EXPECT_EQ(settings.Read("Background", "WindowCoverage"), "2");
    EXPECT_EQ(settings.Read("Background", "PaintByType"), "0");
    EXPECT_EQ(settings.Read("Background", "PaintMode"), "1");
    EXPECT_EQ(settings.Read("Foreground", "Speed"), "4") << "what was not applied goes with Cancel";
    EXPECT_EQ(settings.Read("Foreground", "FontName"), faces[pick]) << "the font dialog's choice counts at once";
}

} // namespace
} // namespace bndx::e2e
