// The text foreground document and its form in a main frame of their own, without the rest of
// the editor: the file read and written byte for byte, the lines shown and edited, a second
// window on one document, and saves that cannot be made.
#include "editor/documents/foreground_doc.h"
#include "editor/views/foreground_view.h"
#include "platform/framework/doc_application.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/message_box.h"
#include "resources/editor/resource.h"
#include "tests/win/desktop.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bndx {
namespace {

// Saving names the file in the recent-file list, which lives with the application object.
class TestApplication : public DocApplication {
protected:
    bool InitInstance() override { return false; }
} g_application;

const RuntimeClass<MdiChild> kPlainFrame{"MdiChild", []() -> MdiChild* { return new MdiChild; }};

using Lines = std::vector<std::string>;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A header for "1234567890": its checksum is the CRC-16/ARC of "123456789", 0xBB3D.
std::string HeaderBytes(char lineCount) {
    std::string header("\x01\0\0\0\0\0\0\0\x3D\xBB\0\0"
                       "1234567890",
                       22);
    header.resize(44, '\0');
    return header + std::string{lineCount, '\0', '\0', '\0'};
}
const std::string kAThenBc = HeaderBytes(2) + std::string("\x01\0a\x02\0bc", 7);
const std::string kBcThenA = HeaderBytes(2) + std::string("\x02\0bc\x01\0a", 7);

class ForegroundViewTest : public ::testing::Test {
protected:
    ForegroundViewTest() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        frame_.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW);
        ShowWindow(frame_.Handle(), SW_SHOW);
        told_.clear();
        SetMessageBoxSink([](const char* text, const char*, UINT) {
            told_.push_back(text);
            return IDOK;
        });
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetTempFileNameA(temp, "bxf", 0, name);
        DeleteFileA(name);
        CreateDirectoryA(name, nullptr);
        folder_ = std::string(name) + "\\";
    }
    ~ForegroundViewTest() override {
        while (!docTemplate_.Documents().empty())
            docTemplate_.Documents().front()->OnCloseDocument();
        SetMessageBoxSink(nullptr);
        std::filesystem::remove_all(folder_.substr(0, folder_.size() - 1));
    }

    // Opens the file, or a new document for an empty path, as File Open and File New do.
    CForegroundDoc& Open(const std::string& path = "") {
        auto* document = static_cast<CForegroundDoc*>(docTemplate_.OpenDocumentFile(path));
        EXPECT_NE(document, nullptr) << path;
        ShowWindow(ViewOf(*document).Handle(), SW_SHOW);
        test::PumpMessages(20);
        return *document;
    }
    static CForegroundView& ViewOf(const Document& document, size_t index = 0) {
        return *dynamic_cast<CForegroundView*>(document.Views().at(index));
    }
    static HWND List(const CForegroundView& view) { return GetDlgItem(view.Handle(), IDC_STRING_LIST); }
    // The lines as the list shows them, top first.
    static Lines Shown(const CForegroundView& view) {
        Lines lines;
        for (int n = 0; n < view.GetStringCount(); ++n)
            lines.push_back(view.GetString(n));
        return lines;
    }
    static std::string DescriptionShown(const CForegroundView& view) {
        char text[64] = {};
        GetDlgItemTextA(view.Handle(), IDC_FOREGROUND_DESCRIPTION, text, sizeof text);
        return text;
    }
    static void Click(const CForegroundView& view, int button) {
        SendMessageA(view.Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(view.Handle(), button)));
    }
    std::string Path(const std::string& name) const { return folder_ + name; }

    static inline Lines told_;

    MdiFrame frame_;
    DocTemplate docTemplate_{IDR_FOREGROUNDTYPE, CForegroundDoc::Class, kPlainFrame, CForegroundView::Class};
    std::string folder_;
};

TEST_F(ForegroundViewTest, ShowsTheFilesLinesBottomUpAndWritesThemAsShown) {
    WriteAll(Path("in.bxf"), kBcThenA);
    CForegroundDoc& document = Open(Path("in.bxf"));
    const CForegroundView& view = ViewOf(document);
    EXPECT_EQ(Shown(view), (Lines{"a", "bc"}));
    EXPECT_EQ(DescriptionShown(view), "1234567890");
    EXPECT_FALSE(document.IsModified()) << "showing the description is not an edit";

    ASSERT_TRUE(document.OnSaveDocument(Path("out.bxf")));
    EXPECT_EQ(ReadAll(Path("out.bxf")), kAThenBc);
    EXPECT_EQ(document.PathName(), Path("out.bxf"));

    // Each pass through the editor turns the order round, so two give back the file byte for byte.
    CForegroundDoc& again = Open(Path("out.bxf"));
    EXPECT_EQ(Shown(ViewOf(again)), (Lines{"bc", "a"}));
    ASSERT_TRUE(again.OnSaveDocument(Path("out.bxf")));
    EXPECT_EQ(ReadAll(Path("out.bxf")), kBcThenA);
    EXPECT_TRUE(told_.empty());
}

TEST_F(ForegroundViewTest, AddEditAndDeleteChangeTheLinesAndMarkTheDocument) {
    CForegroundDoc& document = Open();
    const CForegroundView& view = ViewOf(document);
    EXPECT_EQ(DescriptionShown(view), "New Foreground Doc");
    EXPECT_EQ(view.GetStringCount(), 0);

    Click(view, IDC_ADD_STRING);
    EXPECT_TRUE(document.IsModified());
    HWND edit = ListView_GetEditControl(List(view));
    ASSERT_NE(edit, nullptr) << "a new line opens for editing at once";
    SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Shown(view), (Lines{"New Text"}));

    Click(view, IDC_ADD_STRING);
    edit = ListView_GetEditControl(List(view));
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "typed");
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(Shown(view), (Lines{"typed", "New Text"})) << "the typed label is kept";

    // Editing a label selected its line; nothing is selected now.
    ListView_SetItemState(List(view), -1, 0, LVIS_SELECTED);
    document.SetModifiedFlag(false);
    Click(view, IDC_DELETE_STRINGS);
    EXPECT_EQ(view.GetStringCount(), 2) << "nothing selected, nothing deleted";
    EXPECT_TRUE(document.IsModified());

    Click(view, IDC_ADD_STRING);
    SendMessageA(ListView_GetEditControl(List(view)), WM_KEYDOWN, VK_ESCAPE, 0);
    ListView_SetItemState(List(view), 0, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(List(view), 2, LVIS_SELECTED, LVIS_SELECTED);
    Click(view, IDC_DELETE_STRINGS);
    EXPECT_EQ(Shown(view), (Lines{"typed"}));
}

TEST_F(ForegroundViewTest, TheDescriptionStaysInsideItsField) {
    CForegroundDoc& document = Open();
    const CForegroundView& view = ViewOf(document);
    HWND edit = GetDlgItem(view.Handle(), IDC_FOREGROUND_DESCRIPTION);
    SetWindowTextA(edit, "");
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("A description of forty characters, long"));
    EXPECT_EQ(DescriptionShown(view), "A description of forty characte");
    EXPECT_STREQ(document.GetHeader()->Description, "A description of forty characte");
    EXPECT_TRUE(document.IsModified());

    WriteAll(Path("long.txt"), "A first line much longer than the field holds\r\nline\r\n");
    ViewOf(document).ImportStrings(Path("long.txt"));
    EXPECT_STREQ(document.GetHeader()->Description, "A first line much longer than t");
    EXPECT_EQ(document.GetHeader()->LineCount, 0) << "the field after the description is untouched";
    EXPECT_TRUE(told_.empty());
}

TEST_F(ForegroundViewTest, ImportTakesTheDescriptionAndPutsTheTrimmedLinesOnTop) {
    CForegroundDoc& document = Open();
    CForegroundView& view = ViewOf(document);
    Click(view, IDC_ADD_STRING);
    SendMessageA(ListView_GetEditControl(List(view)), WM_KEYDOWN, VK_ESCAPE, 0);
    document.SetModifiedFlag(false);

    WriteAll(Path("lines.txt"), "Title \r\n  one\t \r\n\r\n   \ntwo");
    view.ImportStrings(Path("lines.txt"));
    EXPECT_EQ(DescriptionShown(view), "Title ") << "the first line is taken as it is";
    EXPECT_STREQ(document.GetHeader()->Description, "Title ");
    EXPECT_EQ(Shown(view), (Lines{"two", "one", "New Text"}));
    EXPECT_TRUE(document.IsModified());

    WriteAll(Path("empty.txt"), "");
    view.ImportStrings(Path("empty.txt"));
    view.ImportStrings(Path("missing.txt"));
    EXPECT_EQ(DescriptionShown(view), "Title ");
    EXPECT_EQ(view.GetStringCount(), 3);
}

TEST_F(ForegroundViewTest, ASaveThatCannotBeMadeKeepsTheDocumentModifiedAndTheOldFile) {
    WriteAll(Path("old.bxf"), kBcThenA);
    CForegroundDoc& document = Open(Path("old.bxf"));
    Click(ViewOf(document), IDC_ADD_STRING);

    EXPECT_FALSE(document.OnSaveDocument(Path("no such folder\\new.bxf")));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.PathName(), Path("old.bxf"));
    ASSERT_EQ(told_.size(), 1u);
    EXPECT_NE(told_[0].find(Path("no such folder\\new.bxf")), std::string::npos) << told_[0];

    // Another program holding the old file keeps it from being replaced.
    HANDLE held = CreateFileA(Path("old.bxf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool saved = document.OnSaveDocument(Path("old.bxf"));
    CloseHandle(held);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(ReadAll(Path("old.bxf")), kBcThenA);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "nothing left beside it";
}

TEST_F(ForegroundViewTest, EveryWindowOnTheDocumentHoldsTheLines) {
    WriteAll(Path("shared.bxf"), kBcThenA);
    CForegroundDoc& document = Open(Path("shared.bxf"));
    MdiChild* second = docTemplate_.CreateNewFrame(document);
    ASSERT_NE(second, nullptr);
    second->InitialUpdate();
    EXPECT_EQ(Shown(ViewOf(document, 1)), (Lines{"a", "bc"}));

    Click(ViewOf(document, 1), IDC_ADD_STRING);
    SendMessageA(ListView_GetEditControl(List(ViewOf(document, 1))), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Shown(ViewOf(document, 0)), (Lines{"New Text", "a", "bc"}));

    // The first window goes; the save still finds every line.
    DestroyChildFrame(GetParent(ViewOf(document, 0).Handle()));
    ASSERT_EQ(document.Views().size(), 1u);
    ASSERT_TRUE(document.OnSaveDocument(Path("shared.bxf")));
    EXPECT_EQ(ReadAll(Path("shared.bxf")).size(), kBcThenA.size() + 2 + 8);
}

} // namespace
} // namespace bndx
