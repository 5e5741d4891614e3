// The 256-colour hint of the editor on an 8-bit display: shown at start-up until the user asks
// not to see it again, which the editor keeps in its own profile.
#include "tests/win/bandsmith/bandsmith_test.h"

namespace bndx::e2e {
namespace {

constexpr char kHintText[] =
    "This system is currently set to use 256 color mode.  Although Bandsmith will run in this mode, many of the "
    "background images will look better with a higher color mode such as 65,768 colors.";

using BandsmithHint = BandsmithTest;

TEST_F(BandsmithHint, IsShownAtStartUpUntilTheUserTicksNotToSeeItAgain) {
    // A document on the command line, so that no New dialog comes first.
    const std::string document = elsewhere / "Lines.bxf";
    DataFolder(elsewhere.Path()).AddTextForeground("Lines.bxf", "Lines", {"line"});
    ASSERT_TRUE(editor.Start(document));
    const HWND hint = WaitForWindowOf(editor.ProcessId(), kEditorName, IDC_HINT_TEXT, 10000);
    ASSERT_NE(hint, nullptr) << "no hint at start-up: " << editor.DescribeVisible();
    EXPECT_EQ(TextOf(GetDlgItem(hint, IDC_HINT_TEXT)), kHintText);
    EXPECT_EQ(editor.ChildFrames().size(), 1u) << "the document is open behind it";
    Click(hint, IDC_DONT_SHOW_AGAIN);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(hint, IDC_DONT_SHOW_AGAIN); }, 2000));
    Click(hint, IDOK);
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    EXPECT_EQ(profile.Read("OneTimeDialog", "NoShow_2"), "1");
    ASSERT_TRUE(editor.Exit());

    ASSERT_TRUE(editor.Start(document));
    EXPECT_TRUE(editor.WaitForMainFrame()) << "something besides the frame: " << editor.DescribeVisible();
}

} // namespace
} // namespace bndx::e2e
