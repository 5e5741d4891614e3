// "Close", the one way a user ends Banderix: everything saved, painting stopped and the
// captions given back to the system, the program gone.
#include "tests/win/banderix/banderix_test.h"

namespace bndx::e2e {
namespace {

using BanderixClose = BanderixTest;

TEST_F(BanderixClose, CloseSavesEverythingEndsTheProgramAndGivesTheCaptionsBack) {
    settings.Write("[Main]\nSelectedBackground=Red\n[Background]\nRefreshFrequency=4\n[Foreground]\nSpeed=3\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow subject("Closing subject", 40, 560, 400);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000)) << "the restored background is painted";
    // Start-up has written the file already; without it, whatever is found next was written by Close.
    settings.Remove();

    ASSERT_TRUE(program.Close()) << program.DescribeVisible();
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "every caption is drawn again in its normal look";
    EXPECT_TRUE(subject.Retitle("Closing subject, retitled"));
    PumpMessages(600);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << "nothing paints any more";

    const struct {
        const char* section;
        const char* key;
        const char* value;
    } saved[] = {{"Main", "SelectedBackground", "Red"},
                 {"Main", "NumForegroundsSelected", "0"},
                 {"Background", "WindowCoverage", "0"},
                 {"Background", "PaintByType", "1"},
                 {"Background", "RefreshFrequency", "4"},
                 {"Foreground", "Speed", "3"},
                 {"Foreground", "Frequency", "3"},
                 {"Foreground", "Alignment", "0"},
                 {"Foreground", "ForegroundTransparent", "0"},
                 {"Foreground", "ShowTitle", "1"},
                 {"Foreground", "TitleTransparent", "1"},
                 {"Foreground", "TitleColorIndex", "1"},
                 {"Foreground", "TextColorIndex", "1"},
                 {"Foreground", "TextBackgroundColorIndex", "16"},
                 {"Foreground", "TextBorderColorIndex", "2"},
                 {"OneTimeDialog", "NoShow_2", kAbsent}}; // never asked at this colour depth
    for (const auto& s : saved)
        EXPECT_EQ(settings.Read(s.section, s.key), s.value) << s.section << "/" << s.key;
}

} // namespace
} // namespace bndx::e2e
