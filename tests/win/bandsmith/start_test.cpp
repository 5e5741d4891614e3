// Starting the editor: the document types it offers when no document is named, the window each
// one opens in, the document named on the command line opened at once, and the main frame's
// toolbar docked on any side or floating.
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

TEST_F(BandsmithStart, TheNewDialogOffersTheThreeTypesInOrderAndOpensTheChosenOne) {
    ASSERT_TRUE(editor.Start());
    for (const DocumentKind& kind : {kForeground, kBackground, kMailMessage}) {
        SCOPED_TRACE(kind.name);
        if (kind.type != kNewForeground)
            editor.Command(ID_FILE_NEW);
        const HWND dialog = editor.NewDialog();
        ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
        EXPECT_EQ(ListBox(dialog, IDC_NEW_TYPE_LIST).Texts(), kTypeNames);
        const HWND child = editor.ChooseNewType(kind.type);
        ASSERT_NE(child, nullptr) << editor.DescribeVisible();
        ExpectOpenedAs(child, kind, kTypeNames[kind.type] + "1");
        const std::string title = std::string(kEditorName) + " - " + kTypeNames[kind.type] + "1";
        EXPECT_TRUE(WaitFor([&] { return TextOf(editor.MainFrame()) == title; }, 3000)) << TextOf(editor.MainFrame());
    }
}

// The bar's rectangle in the frame's client coordinates.
RECT PlaceIn(HWND frame, HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Picks the bar up by its free corner, where no button lies, and lets go at a point of the frame.
void DragBar(HWND bar, HWND frame, POINT drop) {
    RECT bounds;
    GetClientRect(bar, &bounds);
    MapWindowPoints(frame, bar, &drop, 1);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bounds.right - 3, bounds.bottom - 3));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
}

TEST_F(BandsmithStart, CancellingTheNewDialogLeavesTheEmptyFrameWhoseToolbarDocksOnAnySideOrFloats) {
    ASSERT_TRUE(editor.Start());
    Click(editor.NewDialog(), IDCANCEL);
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    EXPECT_TRUE(editor.ChildFrames().empty());
    EXPECT_EQ(TextOf(editor.MainFrame()), kEditorName);
    const HWND frame = editor.MainFrame(), bar = GetDlgItem(frame, IDW_TOOLBAR);
    const HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    RECT area;
    GetClientRect(frame, &area);
    EXPECT_EQ(PlaceIn(frame, bar).top, 0) << "docked at the top to begin with";

    DragBar(bar, frame, {3, area.bottom / 2});
    RECT place = PlaceIn(frame, bar);
    EXPECT_EQ(place.left, 0);
    EXPECT_GT(place.bottom - place.top, place.right - place.left) << "the buttons stand in a column";
    EXPECT_EQ(PlaceIn(frame, client).left, place.right) << "the documents' area begins beside it";

    DragBar(bar, frame, {area.right / 2, area.bottom / 2});
    const HWND floating = GetAncestor(bar, GA_ROOT);
    ASSERT_NE(floating, frame);
    EXPECT_EQ(GetWindow(floating, GW_OWNER), frame);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(PlaceIn(frame, client).left, 0) << "the documents' area takes the whole width";

    SendMessageA(floating, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(GetParent(bar), frame) << "a double click on its caption docks it where it was";
    EXPECT_EQ(PlaceIn(frame, bar).left, 0);
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
