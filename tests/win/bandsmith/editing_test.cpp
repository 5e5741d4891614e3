// Editing a document as its user does: the question whether to save a changed document, the
// saved file among the recent ones, the edit commands that stay unavailable, and a mail message
// offered as a program file when no mail system is installed (what a mail system is handed is
// tested with a stand-in library in the editor's export tests).
#include "tests/win/bandsmith/bandsmith_test.h"

#include <commctrl.h>

namespace bndx::e2e {
namespace {

using BandsmithEditing = BandsmithTest;

// Closes the active document; the question it asks first, or an empty text when it asks none.
std::string CloseActive(BandsmithProgram& editor, int answer) {
    editor.Command(ID_FILE_CLOSE);
    const HWND box = editor.WaitForMessageBox(1500);
    if (!box)
        return {};
    const std::string question = MessageBoxText(box);
    Click(box, answer);
    WaitFor([box] { return !IsWindow(box); }, 3000);
    return question;
}

TEST_F(BandsmithEditing, AChangedDocumentAsksToBeSavedOnCloseUntilItIsSaved) {
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewForeground, child));
    EXPECT_EQ(CloseActive(editor, IDNO), "") << "an untouched document closes without asking";
    EXPECT_TRUE(WaitFor([&] { return editor.ChildFrames().empty(); }, 3000));

    child = editor.NewDocument(kNewForeground);
    ASSERT_NE(child, nullptr);
    ASSERT_TRUE(TypeText(GetDlgItem(BandsmithProgram::FormOf(child), IDC_FOREGROUND_DESCRIPTION), "Edited lines"));
    EXPECT_EQ(CloseActive(editor, IDCANCEL), "Save changes to Banderix Foreground2?");
    EXPECT_EQ(editor.ChildFrames(), std::vector<HWND>{child}) << "Cancel keeps the document open";

    std::string proposed;
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE, {}, &proposed));
    EXPECT_EQ(proposed, "Edited_lines.bxf") << "named after the description";
    EXPECT_TRUE(WaitFor([&] { return TextOf(child) == "Edited_lines.bxf"; }, 3000)) << TextOf(child);
    const std::string frameTitle = std::string(kEditorName) + " - Edited_lines.bxf";
    EXPECT_TRUE(WaitFor([&] { return TextOf(editor.MainFrame()) == frameTitle; }, 3000)) << TextOf(editor.MainFrame());
    EXPECT_TRUE(FileExists(DataDirectory() + "Edited_lines.bxf"));
    // The list is written once the document has taken the file's name, after the file itself.
    std::vector<std::string> recent;
    WaitFor([&] { return !(recent = profile.RecentFiles()).empty(); }, 3000);
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_TRUE(SamePath(recent[0], DataDirectory() + "Edited_lines.bxf")) << recent[0];
    EXPECT_EQ(CloseActive(editor, IDNO), "") << "saving cleared the change";
    EXPECT_TRUE(WaitFor([&] { return editor.ChildFrames().empty(); }, 3000));
}

// Pixels of an open menu drawn in the menu text colour: only items that can be chosen are
// written in it, the others in the grey text colour.
int EnabledInk(const test::ScreenCapture& popup) {
    const uint32_t ink = test::SystemColourPixel(COLOR_MENUTEXT);
    int count = 0;
    for (int y = 0; y < popup.Height(); ++y)
        for (int x = 0; x < popup.Width(); ++x)
            count += popup.At(x, y) == ink;
    return count;
}

TEST_F(BandsmithEditing, UndoCutCopyAndPasteStayDisabledInTheMenuAndOnTheToolbar) {
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewForeground, child));
    // Text selected in a field of the form: still nothing for the editor's own commands to do.
    const HWND description = GetDlgItem(BandsmithProgram::FormOf(child), IDC_FOREGROUND_DESCRIPTION);
    ASSERT_TRUE(TypeText(description, "Something to cut"));
    SendMessageA(description, EM_SETSEL, 0, -1);
    const HWND frame = editor.MainFrame();
    ASSERT_TRUE(BringToFront(frame));

    const HWND toolbar = GetDlgItem(frame, IDW_TOOLBAR);
    const auto enabled = [toolbar](UINT id) { return SendMessageA(toolbar, TB_ISBUTTONENABLED, id, 0) != 0; };
    EXPECT_TRUE(WaitFor([&] { return enabled(ID_FILE_SAVE); }, 3000)) << "the toolbar follows the document";
    for (const UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(enabled(id)) << "toolbar button " << id;

    const HWND file = OpenMenu(frame, 'f');
    ASSERT_NE(file, nullptr) << "the File menu did not open";
    EXPECT_GT(EnabledInk(test::ScreenCapture::OfWindow(file)), 0) << "File holds commands that can be chosen";
    ASSERT_TRUE(CloseMenu(frame));
    const HWND edit = OpenMenu(frame, 'e');
    ASSERT_NE(edit, nullptr) << "the Edit menu did not open";
    const test::ScreenCapture shot = test::ScreenCapture::OfWindow(edit);
    EXPECT_EQ(EnabledInk(shot), 0) << "an item of the Edit menu is enabled";
    if (HasFailure())
        shot.Save("bandsmith-edit-menu");
    EXPECT_TRUE(CloseMenu(frame));
}

// MAPI in section MAIL of WIN.INI saying that no mail system is installed, put back at the end.
struct NoMailSystem {
    NoMailSystem() {
        GetProfileStringA("MAIL", "MAPI", "\x01", before, sizeof before);
        WriteProfileStringA("MAIL", "MAPI", "0");
    }
    ~NoMailSystem() { WriteProfileStringA("MAIL", "MAPI", before[0] == '\x01' ? nullptr : before); }
    char before[16];
};

TEST_F(BandsmithEditing, WithoutAMailSystemMailOffersToSaveTheProgramAsAFile) {
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
