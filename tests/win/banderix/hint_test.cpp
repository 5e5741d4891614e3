// The 256-colour hint at start-up on an 8-bit display: how the user's answer is kept in
// Banderix.INI, and whether the hint comes back at the next start.
#include "tests/win/banderix/banderix_test.h"

namespace bndx::e2e {
namespace {

constexpr char kHintText[] =
    "This system is currently set to use 256 color mode.  Although Banderix will run in this mode, many of the "
    "background images will look better with a higher color mode such as 65,768 colors.";

using BanderixHint = BanderixTest;

// Each start in turn: the box ticked and the hint left with Esc, then ticked and OK; the answer
// saved, and the hint back at the next start unless it was the last.
TEST_F(BanderixHint, OnlyTickedAndOKKeepsTheHintAwayAtTheNextStart) {
    const struct {
        bool escape;
        const char* saved;
    } answers[] = {{true, "0"}, {false, "1"}};
    for (const auto& answer : answers) {
        SCOPED_TRACE(testing::Message() << "Esc " << answer.escape);
        ASSERT_TRUE(program.Start());
        const HWND hint = WaitForWindowOf(program.ProcessId(), kProgramTitle, IDC_HINT_TEXT, 10000);
        ASSERT_NE(hint, nullptr) << "no hint at start-up: " << program.DescribeVisible();
        EXPECT_EQ(TextOf(GetDlgItem(hint, IDC_HINT_TEXT)), kHintText);
        EXPECT_FALSE(IsChecked(hint, IDC_DONT_SHOW_AGAIN));
        Click(hint, IDC_DONT_SHOW_AGAIN);
        ASSERT_TRUE(WaitFor([&] { return IsChecked(hint, IDC_DONT_SHOW_AGAIN); }, 2000));
        if (answer.escape)
            PressKey(hint, VK_ESCAPE);
        else
            Click(hint, IDOK);
        ASSERT_TRUE(program.WaitUntilSettled()) << "start-up did not go on: " << program.DescribeVisible();
        EXPECT_EQ(settings.Read("OneTimeDialog", "NoShow_2"), answer.saved);
        ASSERT_TRUE(program.Close());
    }
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(program.WaitUntilSettled()) << "something was shown: " << program.DescribeVisible();
}

} // namespace
} // namespace bndx::e2e
