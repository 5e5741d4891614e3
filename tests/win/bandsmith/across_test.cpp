// Bandsmith and Banderix together, as a user runs them one after the other: a background and a
// foreground made in the editor and saved into the data directory are what Banderix lists and
// paints at its next start, and a tested message scrolls over a caption that a running Banderix
// leaves alone until the message is over.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "common/line_records.h"

namespace bndx::e2e {
namespace {

class BandsmithWithBanderix : public BandsmithTest {
protected:
    ::testing::AssertionResult StartBanderix() {
        if (!banderix.Start())
            return ::testing::AssertionFailure()
                   << "could not start " << banderix.ProgramPath() << " (error " << banderix.StartError() << ")";
        if (!banderix.WaitUntilSettled())
            return ::testing::AssertionFailure() << "Banderix did not settle: " << banderix.DescribeVisible();
        return ::testing::AssertionSuccess();
    }

    // Ended before the editor's fixture puts the settings file back.
    BanderixProgram banderix;
};

TEST_F(BandsmithWithBanderix, ABackgroundAndAForegroundMadeInBandsmithAreListedAndPaintedByBanderix) {
    const std::string line = "Yellow words from Bandsmith", bitmap = elsewhere / "red.bmp";
    UseInstallation(banderix.Folder(), "[Foreground]\nTextColorIndex=7\nForegroundTransparent=1\n");
    WriteBytes(bitmap, SolidBitmapFile(kRed));
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewBackground, child));
    HWND form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_BACKGROUND_DESCRIPTION), "Made in Bandsmith"));
    Click(form, IDC_SET_IMAGE);
    const HWND open = WaitForFileDialog(editor.ProcessId(), kOpenTitle);
    ASSERT_NE(open, nullptr) << "Set Image opened no dialog: " << editor.DescribeVisible();
    ASSERT_TRUE(ChooseFile(open, bitmap));
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE));

    form = BandsmithProgram::FormOf(editor.NewDocument(kNewForeground));
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_FOREGROUND_DESCRIPTION), "Bandsmith lines"));
    Click(form, IDC_ADD_STRING);
    // Add opens the new line for editing in place at once.
    HWND label = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (label = FindWindowExA(GetDlgItem(form, IDC_STRING_LIST), nullptr, "Edit", nullptr)); }, 3000));
    EXPECT_EQ(TextOf(label), "New Text");
    ASSERT_TRUE(TypeText(label, line));
    PressKey(label, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(label); }, 3000)) << "the line was not taken";
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE));
    const std::string background = banderix.Data().Path() + "\\Made_in_Bandsmith.bxb",
                      foreground = banderix.Data().Path() + "\\Bandsmith_lines.bxf";
    ASSERT_TRUE(WaitFor([&] { return FileExists(background); }, 5000)) << "not saved where proposed";
    ASSERT_TRUE(WaitFor([&] { return FileExists(foreground); }, 5000)) << "not saved where proposed";
    ASSERT_TRUE(editor.Exit());
    EXPECT_EQ(ReadBytes(foreground), ForegroundFileBytes("Bandsmith lines", {line}));

    // Without buttons the caption shows the text even where it comes in.
    SubjectWindow subject("Subject of Bandsmith's documents", 40, 560, 700, WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME);
    ASSERT_TRUE(StartBanderix());
    // The rows show pictures, not names: the only background of the folder follows None.
    ASSERT_EQ(banderix.Backgrounds().Count(), 2) << "not listed";
    ASSERT_TRUE(BringToFront(subject.Handle()));
    banderix.Backgrounds().ClickRow(1);
    EXPECT_TRUE(subject.WaitForFill(kRed, 3000)) << "its picture is not what Banderix paints";
    EXPECT_EQ(settings.Read("Main", "SelectedBackground"), "Made in Bandsmith") << "known by its description";
    const int row = banderix.Foregrounds().RowOf("Bandsmith lines");
    ASSERT_GE(row, 0) << "not listed";
    banderix.Foregrounds().ClickRow(row);
    EXPECT_TRUE(WaitFor([&] { return subject.ColourSpan(subject.Shot(), kYellow).Found(); }, 3000))
        << "its line does not scroll";
    if (HasFailure())
        subject.Shot().Save("bandsmith-documents-in-banderix");
}

TEST_F(BandsmithWithBanderix, ATestedMessageScrollsTrimmedOverACaptionBanderixLeavesAloneUntilItIsOver) {
    banderix.Data().AddBackground("red.bxb", "Red", kRed);
    UseInstallation(banderix.Folder(), "SelectedBackground=Red\n[Background]\nPaintByType=1\n");
    ASSERT_TRUE(StartBanderix());
    HWND form = nullptr;
    ASSERT_TRUE(NewMailMessage("Robin", "robin@example.org", "Hello", "  Over the red  ", form));
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
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    EXPECT_EQ(ReadBytes(std::string(temporary) + "BndxMsg.exe"), PatchedBandpost("Over the red"))
        << "the trimmed message in the copy in the temporary folder";
    if (HasFailure())
        test::ScreenCapture::OfWindow(frame).Save("bandsmith-message-over-banderix");
}

} // namespace
} // namespace bndx::e2e
