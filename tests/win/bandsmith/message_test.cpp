// A mail message's program as its user meets it: Mail hands the program to the mail system as an
// attachment, and without a mail system the program is offered to be saved as a file.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "tests/win/bandsmith/mail_client.h"

namespace bndx::e2e {
namespace {

using BandsmithMessage = BandsmithTest;

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
