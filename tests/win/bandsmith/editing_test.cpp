// Editing documents as their user does: a mail message named on the command line, offered as a
// program file when no mail system is installed (what a mail system is handed is tested with a
// stand-in library in the editor's export tests); new documents that ask to be saved until they
// are, saved into the data directory in the bytes Banderix's own tests list and paint, and
// named among the recent files.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "common/line_records.h"

namespace bndx::e2e {
namespace {

using BandsmithEditing = BandsmithTest;

// MAPI in section MAIL of WIN.INI saying that no mail system is installed, put back at the end.
struct NoMailSystem {
    NoMailSystem() {
        GetProfileStringA("MAIL", "MAPI", "\x01", before, sizeof before);
        WriteProfileStringA("MAIL", "MAPI", "0");
    }
    ~NoMailSystem() { WriteProfileStringA("MAIL", "MAPI", before[0] == '\x01' ? nullptr : before); }
    char before[16];
};

// Keeps the answer to a message sent with a callback.
void CALLBACK TakeAnswer(HWND, UINT, ULONG_PTR answer, LRESULT result) {
    *reinterpret_cast<LRESULT*>(answer) = result;
}

TEST_F(BandsmithEditing, AMessageNamedOnTheCommandLineOpensAtOnceAndWithoutAMailSystemIsOfferedAsAProgramFile) {
    // The library is there, but the system's settings say no mail system is installed.
    const NoMailSystem noMail;
    const std::string note = elsewhere / "Note.bxm";
    std::vector<uint8_t> bytes;
    for (const std::string text : {"Christopher", "chris@example.org", "Subject", "Hello there"})
        AppendLineRecord(bytes, text.data(), text.size());
    WriteBytes(note, bytes);
    ASSERT_TRUE(editor.Start(note));
    ASSERT_TRUE(editor.WaitForMainFrame()) << "no New dialog, nothing but the frame: " << editor.DescribeVisible();
    const std::vector<HWND> children = editor.ChildFrames();
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(TextOf(children[0]), "Note.bxm");
    const HWND form = BandsmithProgram::FormOf(children[0]);
    EXPECT_EQ(TextOf(GetDlgItem(form, IDC_MAIL_NAME)), "Christopher") << "not opened as a mail message";

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
    EXPECT_TRUE(WaitFor([&] { return std::filesystem::exists(saved); }, 5000));
    EXPECT_EQ(ReadBytes(saved), PatchedBandpost("Hello there"));
}

TEST_F(BandsmithEditing, NewDocumentsAskToBeSavedUntilTheyAreSavedIntoTheDataDirectoryAsBanderixReadsThem) {
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewForeground, child));
    HWND form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_FOREGROUND_DESCRIPTION), "Edited lines"));
    Click(form, IDC_ADD_STRING);
    // Add opens the new line for editing in place at once.
    HWND label = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (label = FindWindowExA(GetDlgItem(form, IDC_STRING_LIST), nullptr, "Edit", nullptr)); }, 3000));
    EXPECT_EQ(TextOf(label), "New Text");
    ASSERT_TRUE(TypeText(label, "Words of mine"));
    PressKey(label, VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(label); }, 3000)) << "the line was not taken";
    editor.Command(ID_FILE_CLOSE);
    const HWND question = editor.WaitForMessageBox();
    ASSERT_NE(question, nullptr) << "closed without asking: " << editor.DescribeVisible();
    EXPECT_EQ(MessageBoxText(question), "Save changes to Banderix Foreground1?");
    Click(question, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }, 3000));
    EXPECT_EQ(editor.ChildFrames(), std::vector<HWND>{child}) << "Cancel keeps the document open";
    // Windows asks before it ends the session: the same question, and Cancel keeps the session going.
    static LRESULT mayEnd = -1;
    SendMessageCallbackA(editor.MainFrame(), WM_QUERYENDSESSION, 0, 0, TakeAnswer,
                         reinterpret_cast<ULONG_PTR>(&mayEnd));
    const HWND asked = editor.WaitForMessageBox();
    ASSERT_NE(asked, nullptr) << "the session would end without asking";
    EXPECT_EQ(MessageBoxText(asked), "Save changes to Banderix Foreground1?");
    Click(asked, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return mayEnd == FALSE; }, 3000)) << "the session may end after Cancel";

    std::string proposed;
    ASSERT_TRUE(SaveThroughDialog(&proposed));
    EXPECT_EQ(proposed, "Edited_lines.bxf") << "named after the description";
    const std::string foreground = DataDirectory() + "Edited_lines.bxf";
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(foreground); }, 5000)) << "not saved where proposed";
    EXPECT_EQ(ReadBytes(foreground), ForegroundFileBytes("Edited lines", {"Words of mine"}));
    const std::string frameTitle = std::string(kEditorName) + " - Edited_lines.bxf";
    EXPECT_TRUE(WaitFor([&] { return TextOf(editor.MainFrame()) == frameTitle; }, 3000)) << TextOf(editor.MainFrame());
    editor.Command(ID_FILE_CLOSE);
    EXPECT_TRUE(WaitFor([&] { return editor.ChildFrames().empty(); }, 3000))
        << "saving cleared the change, yet " << editor.DescribeVisible();

    child = editor.NewDocument(kNewBackground);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();
    form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_BACKGROUND_DESCRIPTION), "Made in Bandsmith"));
    WriteBytes(elsewhere / "red.bmp", SolidBitmapFile(kRed));
    Click(form, IDC_SET_IMAGE);
    const HWND open = WaitForFileDialog(editor.ProcessId(), kOpenTitle);
    ASSERT_NE(open, nullptr) << "Set Image opened no dialog: " << editor.DescribeVisible();
    ASSERT_TRUE(ChooseFile(open, elsewhere / "red.bmp"));
    ASSERT_TRUE(SaveThroughDialog());
    const std::string background = DataDirectory() + "Made_in_Bandsmith.bxb";
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(background); }, 5000)) << "not saved where proposed";
    DataFolder(elsewhere.Path()).AddBackground("red.bxb", "Made in Bandsmith", kRed);
    EXPECT_EQ(ReadBytes(background), ReadBytes(elsewhere / "red.bxb"));

    // The list is written once the document has taken the file's name, after the file itself,
    // its newest entry last.
    const auto recent = [this](const char* key) { return profile.Read("Recent File List", key); };
    EXPECT_TRUE(WaitFor([&] { return _stricmp(recent("File1").c_str(), background.c_str()) == 0; }, 5000))
        << recent("File1");
    EXPECT_STRCASEEQ(recent("File2").c_str(), foreground.c_str());
}

} // namespace
} // namespace bndx::e2e
