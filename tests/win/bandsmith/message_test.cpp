// A mail message's program as its user meets it: Test scrolls the message over the caption in
// front, Mail hands the program to the mail system as an attachment, and without a mail system
// the program is offered to be saved as a file.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "tests/win/bandsmith/mail_client.h"

namespace bndx::e2e {
namespace {

std::string TemporaryProgram() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "BndxMsg.exe";
}

using BandsmithMessage = BandsmithTest;

TEST_F(BandsmithMessage, TestScrollsTheTrimmedMessageOnceOverTheCaptionInFront) {
    const std::string message = "Greetings from Bandsmith";
    test::PainterStandIn painter;
    HWND form = nullptr;
    ASSERT_TRUE(NewMailMessage("Robin", "robin@example.org", "Hello", "  " + message + "  ", form));
    const HWND frame = editor.MainFrame();
    // Narrow, so that the message crosses it soon.
    SetWindowPos(frame, nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(BringToFront(frame));
    const CaptionLayout caption = CaptionLayoutOf(frame);

    Click(form, IDC_MAIL_TEST);
    ASSERT_TRUE(WaitFor(MessageProgramRunning, 5000)) << "no message program started";
    // It comes in at the right, over the whole caption: the system's title at the left is gone.
    test::ScreenCapture shot;
    const int middle = (caption.area.left + caption.area.right) / 2;
    const Span entering = WaitForInk(frame, caption, shot, [&](const Span& s) { return s.left > middle; });
    ASSERT_TRUE(entering.Found()) << "no text came in at the right of the caption";
    const int expected = DefaultFontWidth(message);
    const Span inside = WaitForInk(frame, caption, shot, [&](const Span& s) {
        return s.left < entering.left && s.left + expected < caption.buttons.minMax.x - 4;
    });
    ASSERT_TRUE(inside.Found()) << "the text did not move left";
    EXPECT_LE(inside.right - inside.left + 1, expected) << "wider than \"" << message << "\"";
    EXPECT_GE(inside.right - inside.left + 1, expected - 4) << "narrower than \"" << message << "\"";
    if (HasFailure())
        shot.Save("bandsmith-test-message");

    EXPECT_TRUE(WaitFor([] { return !MessageProgramRunning(); }, kScrollTimeoutMs)) << "it does not end";
    PumpMessages(100);
    const std::vector<HWND>& excluded = painter.ExcludedWindows();
    ASSERT_GE(excluded.size(), 2u);
    EXPECT_EQ(excluded.front(), frame) << "Banderix is told whose caption is drawn on";
    EXPECT_EQ(excluded.back(), nullptr) << "and, at the end, that none is";
    EXPECT_EQ(ReadBytes(TemporaryProgram()), PatchedBandpost(message)) << "the copy in the temporary folder";
}

TEST_F(BandsmithMessage, MailSendsTheProgramToTheAddressWithTheFixedNote) {
    StandInMailClient mail("1");
    ASSERT_TRUE(mail.Registered());
    HWND form = nullptr;
    ASSERT_TRUE(NewMailMessage("Christopher", "chris@example.org", "Look at your title bar", " Happy birthday ", form));
    const HWND frame = editor.MainFrame();

    Click(form, IDC_MAIL_SEND);
    const MailRecord sent = mail.WaitForMessage(10000);
    ASSERT_FALSE(sent.empty()) << "nothing reached the mail system: " << editor.DescribeVisible();
    const MailRecord expected = {
        {"session", "0"},
        {"owner", std::to_string(reinterpret_cast<uintptr_t>(frame))},
        {"owner.enabled", "0"},
        {"flags", "9"},
        {"subject", "Look at your title bar"},
        {"note", "Here is a special Kestrelby Banderix message for you."},
        {"recipients", "1"},
        {"recipient.class", "1"},
        {"recipient.name", "chris@example.org"},
        {"recipient.address", "(none)"},
        {"files", "1"},
        {"file.name", "BndxMsg.EXE"},
        {"file.position", "-1"},
    };
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(ReadBytes(mail.Attachment("BndxMsg.EXE")), PatchedBandpost("Happy birthday"));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(frame) != FALSE; }, 3000)) << "the frame is given back";
    PumpMessages(300);
    EXPECT_EQ(editor.WaitForMessageBox(0), nullptr) << "a successful send reports nothing";
}

TEST_F(BandsmithMessage, WithoutAMailSystemMailOffersToSaveTheProgramAsAFile) {
    // The library is there, but the system's settings say no mail system is installed.
    StandInMailClient mail("0");
    HWND form = nullptr;
    ASSERT_TRUE(NewMailMessage("Christopher", "chris@example.org", "Subject", "Hello there", form));

    Click(form, IDC_MAIL_SEND);
    const HWND box = editor.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(MessageBoxText(box),
              "This feature requires you to have a MAPI compliant mail system installed which we cannot detect.  You "
              "can optionally save this Banderix Mail Message as an EXE file and attach it to an email in whatever "
              "mail system you choose.  Would you like to save Banderix Mail Message as an EXE file?");
    Click(box, IDYES);
    const HWND dialog = WaitForFileDialog(editor.ProcessId(), kSaveAsTitle);
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(FileDialogName(dialog), "BndxMail_Chris.EXE");
    const std::string saved = elsewhere / "For Chris.exe";
    ASSERT_TRUE(ChooseFile(dialog, saved));
    EXPECT_TRUE(WaitFor([&] { return FileExists(saved); }, 5000));
    EXPECT_EQ(ReadBytes(saved), PatchedBandpost("Hello there"));
    EXPECT_TRUE(mail.WaitForMessage(0).empty()) << "the mail system was not used";
}

} // namespace
} // namespace bndx::e2e
