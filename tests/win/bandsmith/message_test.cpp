// Mailing a message without a mail system: the program is offered to be saved as a file. What a
// mail system is handed is tested with a stand-in library in the editor's export tests.
#include "tests/win/bandsmith/bandsmith_test.h"

namespace bndx::e2e {
namespace {

using BandsmithMessage = BandsmithTest;

// MAPI in section MAIL of WIN.INI saying that no mail system is installed, put back at the end.
struct NoMailSystem {
    NoMailSystem() {
        GetProfileStringA("MAIL", "MAPI", "\x01", before, sizeof before);
        WriteProfileStringA("MAIL", "MAPI", "0");
    }
    ~NoMailSystem() { WriteProfileStringA("MAIL", "MAPI", before[0] == '\x01' ? nullptr : before); }
    char before[16];
};

TEST_F(BandsmithMessage, WithoutAMailSystemMailOffersToSaveTheProgramAsAFile) {
    // The library is there, but the system's settings say no mail system is installed.
    const NoMailSystem noMail;
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
}

} // namespace
} // namespace bndx::e2e
