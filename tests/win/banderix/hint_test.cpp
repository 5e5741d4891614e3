// The 256-colour hint at start-up on an 8-bit display: how the user's answer is kept in
// Banderix.INI, and whether the hint comes back at the next start.
#include "tests/win/banderix/banderix_test.h"

namespace bndx::e2e {
namespace {

constexpr char kHintText[] =
    "This system is currently set to use 256 color mode.  Although Banderix will run in this mode, many of the "
    "background images will look better with a higher color mode such as 65,768 colors.";

struct HintAnswer {
    const char* name;
    bool ticked;
    bool escape; // closed with Esc rather than OK
    const char* saved;
    bool shownAgain;
};

using BanderixHint = TableTest<BanderixTest, HintAnswer>;

HWND WaitForHint(const BanderixProgram& program) {
    return WaitForWindowOf(program.ProcessId(), kProgramTitle, IDC_HINT_TEXT, 10000);
}

TEST_P(BanderixHint, AnswerIsKeptAndDecidesWhetherTheHintComesBack) {
    const HintAnswer& c = GetParam();
    ASSERT_TRUE(program.Start());
    const HWND hint = WaitForHint(program);
    ASSERT_NE(hint, nullptr) << "no hint at start-up: " << program.DescribeVisible();
    EXPECT_EQ(TextOf(GetDlgItem(hint, IDC_HINT_TEXT)), kHintText);
    EXPECT_FALSE(IsChecked(hint, IDC_DONT_SHOW_AGAIN));
    if (c.ticked) {
        Click(hint, IDC_DONT_SHOW_AGAIN);
        ASSERT_TRUE(WaitFor([&] { return IsChecked(hint, IDC_DONT_SHOW_AGAIN); }, 2000));
    }
    if (c.escape)
        PressKey(hint, VK_ESCAPE);
    else
        Click(hint, IDOK);
    ASSERT_TRUE(program.WaitUntilSettled()) << "start-up did not go on: " << program.DescribeVisible();
    EXPECT_EQ(settings.Read("OneTimeDialog", "NoShow_2"), c.saved);
    ASSERT_TRUE(program.Close());

    ASSERT_TRUE(program.Start());
    if (c.shownAgain) {
        const HWND again = WaitForHint(program);
        ASSERT_NE(again, nullptr) << "the hint did not come back: " << program.DescribeVisible();
        Click(again, IDOK);
        ASSERT_TRUE(program.WaitUntilSettled()) << program.DescribeVisible();
    } else {
        ASSERT_TRUE(program.WaitUntilSettled()) << "something was shown: " << program.DescribeVisible();
    }
    EXPECT_TRUE(program.Close());
}

INSTANTIATE_TEST_SUITE_P(Answers, BanderixHint,
                         ::testing::Values(HintAnswer{"TickedAndOK", true, false, "1", false},
                                           HintAnswer{"OKUnticked", false, false, "0", true},
                                           HintAnswer{"TickedThenEsc", true, true, "0", true}),
                         CaseName<HintAnswer>);

} // namespace
} // namespace bndx::e2e
