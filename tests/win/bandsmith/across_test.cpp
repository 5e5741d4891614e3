// Bandsmith and Banderix together: a tested message scrolls over a caption that a running
// Banderix leaves alone until the message is over.
#include "tests/win/bandsmith/bandsmith_test.h"

namespace bndx::e2e {
namespace {

class BandsmithWithBanderix : public BandsmithTest {
protected:
    // Ended before the editor's fixture puts the settings file back.
    BanderixProgram banderix;
};

TEST_F(BandsmithWithBanderix, ATestedMessageScrollsOverACaptionBanderixLeavesAloneUntilItIsOver) {
    banderix.Data().AddBackground("red.bxb", "Red", kRed);
    settings.Write("[Main]\nPath=" + banderix.Folder() + "\nSelectedBackground=Red\n[Background]\nPaintByType=1\n");
    ASSERT_TRUE(banderix.Start()) << "error " << banderix.StartError();
    ASSERT_TRUE(banderix.WaitUntilSettled()) << banderix.DescribeVisible();
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewMailMessage, child));
    const HWND form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_MAIL_MESSAGE), "  Over the red  "));
    const HWND frame = editor.MainFrame();
    SetWindowPos(frame, nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(BringToFront(frame));
    const CaptionLayout caption = CaptionLayoutOf(frame);
    const auto fill = [&] { return CaptionFill(test::ScreenCapture::OfWindow(frame), caption); };
    ASSERT_TRUE(WaitFor([&] { return fill() == kRed; }, 3000)) << "Banderix does not paint the editor's caption";

    Click(form, IDC_MAIL_TEST);
    test::ScreenCapture shot;
    const int middle = (caption.area.left + caption.area.right) / 2;
    ASSERT_TRUE(test::WaitForWhiteText(frame, caption, shot, [&](const Span& s) { return s.left > middle; }).Found())
        << "the message did not come in at the right";
    // The refresh timer runs five times a second: unless told to keep off, it would show.
    int red = 0, seen = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 3000 && MessageProgramRunning(); ++seen) {
        red += fill() == kRed;
        PumpMessages(20);
    }
    EXPECT_GT(seen, 40);
    EXPECT_EQ(red, 0) << "Banderix painted over the message " << red << " times in " << seen;

    ASSERT_TRUE(WaitFor([] { return !MessageProgramRunning(); }, kScrollTimeoutMs));
    EXPECT_TRUE(WaitFor([&] { return fill() == kRed; }, 3000)) << "Banderix did not take the caption back";
}

} // namespace
} // namespace bndx::e2e
