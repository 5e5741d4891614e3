// Starting the editor: the document types it offers when no document is named, the window each
// one opens in, and the document named on the command line opened at once.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "common/line_records.h"

namespace bndx::e2e {
namespace {

using BandsmithStart = BandsmithTest;

const std::vector<std::string> kTypeNames = {"Banderix Foreground", "Banderix Background", "Banderix Mail Message"};

SIZE WindowSize(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

struct DocumentKind {
    const char* name;
    NewType type;
    SIZE size;
    int formControl; // a control only this kind's form holds
};

const DocumentKind kForeground{"Foreground", kNewForeground, {390, 275}, IDC_STRING_LIST};
const DocumentKind kBackground{"Background", kNewBackground, {390, 275}, IDC_SET_IMAGE};
const DocumentKind kMailMessage{"MailMessage", kNewMailMessage, {450, 300}, IDC_MAIL_SEND};

void ExpectOpenedAs(HWND child, const DocumentKind& kind, const std::string& title) {
    const SIZE size = WindowSize(child);
    EXPECT_EQ(size.cx, kind.size.cx);
    EXPECT_EQ(size.cy, kind.size.cy);
    EXPECT_EQ(TextOf(child), title);
    EXPECT_NE(GetDlgItem(BandsmithProgram::FormOf(child), kind.formControl), nullptr) << "the form of its kind";
}

using BandsmithNewType = TableTest<BandsmithTest, DocumentKind>;

TEST_P(BandsmithNewType, TheNewDialogOffersTheThreeTypesInOrderAndOpensTheChosenOne) {
    const DocumentKind& kind = GetParam();
    ASSERT_TRUE(editor.Start());
    const HWND dialog = editor.NewDialog();
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(ListBox(dialog, IDC_NEW_TYPE_LIST).Texts(), kTypeNames);

    const HWND child = editor.ChooseNewType(kind.type);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();
    ExpectOpenedAs(child, kind, kTypeNames[kind.type] + "1");
    ASSERT_TRUE(editor.WaitForMainFrame());
    EXPECT_EQ(TextOf(editor.MainFrame()), std::string(kEditorName) + " - " + kTypeNames[kind.type] + "1");
}

INSTANTIATE_TEST_SUITE_P(Types, BandsmithNewType, ::testing::Values(kForeground, kBackground, kMailMessage),
                         CaseName<DocumentKind>);

TEST_F(BandsmithStart, CancellingTheNewDialogLeavesOnlyTheEmptyMainFrame) {
    ASSERT_TRUE(editor.Start());
    const HWND dialog = editor.NewDialog();
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    Click(dialog, IDCANCEL);
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    EXPECT_TRUE(editor.ChildFrames().empty());
    EXPECT_EQ(TextOf(editor.MainFrame()), kEditorName);
    EXPECT_TRUE(editor.Running());
}

struct NamedDocument {
    const char* name;
    const char* fileName;
    DocumentKind kind;
    int field;
    const char* fieldText;
};

void WriteDocument(const std::string& folder, const NamedDocument& document) {
    DataFolder files(folder);
    switch (document.kind.type) {
    case kNewForeground:
        files.AddTextForeground(document.fileName, document.fieldText, {"first", "second"});
        break;
    case kNewBackground:
        files.AddBackground(document.fileName, document.fieldText, 0x3366CC);
        break;
    case kNewMailMessage: {
        std::vector<uint8_t> bytes;
        for (const std::string text : {document.fieldText, "robin@example.org", "A subject", "A message"})
            AppendLineRecord(bytes, text.data(), text.size());
        WriteBytes(folder + "\\" + document.fileName, bytes);
        break;
    }
    }
}

using BandsmithCommandLine = TableTest<BandsmithTest, NamedDocument>;

TEST_P(BandsmithCommandLine, TheDocumentNamedOnTheCommandLineOpensAtOnce) {
    const NamedDocument& document = GetParam();
    WriteDocument(elsewhere.Path(), document);
    const std::string path = elsewhere / document.fileName;
    ASSERT_TRUE(editor.Start(path));
    ASSERT_TRUE(editor.WaitForMainFrame()) << "no New dialog, nothing but the frame: " << editor.DescribeVisible();

    const std::vector<HWND> children = editor.ChildFrames();
    ASSERT_EQ(children.size(), 1u);
    ExpectOpenedAs(children[0], document.kind, document.fileName);
    EXPECT_EQ(TextOf(GetDlgItem(BandsmithProgram::FormOf(children[0]), document.field)), document.fieldText);
    const std::vector<std::string> recent = profile.RecentFiles();
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_TRUE(SamePath(recent[0], path)) << recent[0];
}

INSTANTIATE_TEST_SUITE_P(
    Files, BandsmithCommandLine,
    ::testing::Values(NamedDocument{"Foreground", "Lines.bxf", kForeground, IDC_FOREGROUND_DESCRIPTION, "Some lines"},
                      NamedDocument{"Background", "Sky.bxb", kBackground, IDC_BACKGROUND_DESCRIPTION, "Blue sky"},
                      NamedDocument{"MailMessage", "Note.bxm", kMailMessage, IDC_MAIL_NAME, "Robin"}),
    CaseName<NamedDocument>);

} // namespace
} // namespace bndx::e2e
