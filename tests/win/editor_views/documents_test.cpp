// The editor's documents in a main frame of the test's own: what only a hosted document shows.
// Files pass through the forms byte for byte, filling a form is no edit, a save that fails keeps
// both the changes and the old file, and each form prints what it shows.
#include "editor/documents/background_doc.h"
#include "editor/documents/data_directory_win32.h"
#include "editor/documents/foreground_doc.h"
#include "editor/documents/mail_object_doc.h"
#include "editor/views/background_view.h"
#include "editor/views/foreground_view.h"
#include "editor/views/mail_object_view.h"
#include "common/line_records.h"
#include "platform/dib/dibutil.h"
#include "platform/framework/doc_application.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/message_box.h"
#include "platform/framework/registry_profile.h"
#include "platform/framework/scoped_gdi.h"
#include "platform/framework/win32_handles.h"
#include "resources/editor/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace bndx {
namespace {

using namespace std::string_literals;
using Texts = std::vector<std::string>;

// Saving names the file in the recent-file list, which lives with the application object.
class TestApplication : public DocApplication {
protected:
    bool InitInstance() override { return false; }
} g_application;

const RuntimeClass<MdiChild> kPlainFrame{"MdiChild", []() -> MdiChild* { return new MdiChild; }};

// A header for "1234567890": its checksum is the CRC-16/ARC of "123456789", 0xBB3D.
const std::string kForegroundHeader =
    "\1\0\0\0\0\0\0\0\x3D\xBB\0\0"s + "1234567890" + std::string(22, '\0') + "\2\0\0\0"s;
const std::string kAThenBc = kForegroundHeader + "\1\0a\2\0bc"s;
const std::string kTypedMail = "\3\0Ann\17\0ann@example.org\2\0Hi\7\0Look up"s;
// A background header, then a bitmap file of 2x2 pixels of 32 bits, all 0x20A040.
const std::string kGreenBackground =
    std::string(52, '\0') + "BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\2\0\0\0\2\0\0\0\1\0\x20\0"s +
    std::string(24, '\0') + "\x40\xA0\x20\0\x40\xA0\x20\0\x40\xA0\x20\0\x40\xA0\x20\0"s;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HostedDocument : public ::testing::Test {
protected:
    HostedDocument() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        frame_.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW);
        told_.clear();
        SetMessageBoxSink([](const char* text, const char*, UINT) {
            told_.push_back(text);
            return IDOK;
        });
        std::filesystem::create_directories(folder_);
    }
    ~HostedDocument() override {
        for (DocTemplate* kind : {&background_, &foreground_, &mail_})
            while (!kind->Documents().empty())
                kind->Documents().front()->OnCloseDocument();
        SetMessageBoxSink(nullptr);
        std::filesystem::remove_all(folder_);
    }

    // Writes the named file and opens it as File Open does; a new document, as File New makes,
    // for no name.
    Document& Open(DocTemplate& kind, const std::string& name = "", const std::string& bytes = "") {
        if (!name.empty())
            std::ofstream(folder_ + name, std::ios::binary) << bytes;
        Document* document = kind.OpenDocumentFile(name.empty() ? name : folder_ + name);
        EXPECT_NE(document, nullptr) << name;
        return *document;
    }
    static HWND Form(const Document& document, size_t window = 0) { return document.Views().at(window)->Handle(); }
    static std::string Field(const Document& document, int id, size_t window = 0) {
        char text[600] = {};
        GetDlgItemTextA(Form(document, window), id, text, sizeof text);
        return text;
    }
    // The lines a window's list shows, from the top.
    static Texts Lines(const Document& document, size_t window = 0) {
        const HWND list = GetDlgItem(Form(document, window), IDC_STRING_LIST);
        Texts lines;
        for (LRESULT n = 0; n < SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); ++n) {
            char text[600] = {};
            LVITEMA item{};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
            lines.push_back(text);
        }
        return lines;
    }

    static inline Texts told_;
    MdiFrame frame_;
    DocTemplate background_{IDR_BACKGROUNDTYPE, CBackgroundDoc::Class, kPlainFrame, CBackgroundView::Class};
    DocTemplate foreground_{IDR_FOREGROUNDTYPE, CForegroundDoc::Class, kPlainFrame, CForegroundView::Class};
    DocTemplate mail_{IDR_MAILOBJECTTYPE, CMailObjectDoc::Class, kPlainFrame, CMailObjectView::Class};
    const std::string folder_ =
        (std::filesystem::temp_directory_path() / ("bxv" + std::to_string(GetCurrentProcessId()))).string() + "\\";
};

TEST_F(HostedDocument, AnImportedDescriptionStaysInsideItsFieldAndEachLineGoesToTheTop) {
    auto& document = static_cast<CForegroundDoc&>(Open(foreground_));
    std::ofstream(folder_ + "long.txt", std::ios::binary) << "A first line much longer than the field holds\r\nb\r\nc";
    document.ImportText(folder_ + "long.txt");
    EXPECT_STREQ(document.Header().Description, "A first line much longer than t");
    EXPECT_EQ(document.Header().LineCount, 0) << "the field after the description is untouched";
    EXPECT_EQ(Lines(document), (Texts{"c", "b"}));
    EXPECT_TRUE(document.IsModified());
}

TEST_F(HostedDocument, AMailMessageFillsItsWindowsUnmodifiedAndSavesWhatIsTypedInAnyOfThem) {
    Document& document = Open(mail_, "letter.bxm", kTypedMail);
    EXPECT_EQ(Field(document, IDC_MAIL_ADDRESS), "ann@example.org");
    EXPECT_FALSE(document.IsModified()) << "filling the form is not an edit";

    // Window > New Window shows the same texts, and what is typed in one window shows in the other.
    ASSERT_TRUE(frame_.RouteCommand(ID_WINDOW_NEW));
    ASSERT_EQ(document.Views().size(), 2u);
    EXPECT_EQ(Field(document, IDC_MAIL_MESSAGE, 1), "Look up");
    SetDlgItemTextA(Form(document, 1), IDC_MAIL_SUBJECT, "Hello"); // raises the change notice typing does
    EXPECT_EQ(Field(document, IDC_MAIL_SUBJECT), "Hello");
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.OnSaveDocument(folder_ + "letter.bxm"));
    EXPECT_EQ(ReadAll(folder_ + "letter.bxm"), "\3\0Ann\17\0ann@example.org\5\0Hello\7\0Look up"s);
}

// What one window changes, every other window on the document shows at once, and the file gets
// it even after the first window has gone: the lines in the file's order, the newest last.
TEST_F(HostedDocument, EveryWindowShowsTheDocumentAndEditsInAnyReachTheOthersAndTheFile) {
    auto& foreground = static_cast<CForegroundDoc&>(Open(foreground_, "two.bxf", kAThenBc));
    EXPECT_EQ(Field(foreground, IDC_FOREGROUND_DESCRIPTION), "1234567890");
    EXPECT_FALSE(foreground.IsModified()) << "showing the file is not an edit";
    ASSERT_TRUE(frame_.RouteCommand(ID_WINDOW_NEW));
    ASSERT_EQ(foreground.Views().size(), 2u);
    EXPECT_EQ(Lines(foreground, 1), (Texts{"bc", "a"})) << "the newest line on top";
    const HWND firstList = GetDlgItem(Form(foreground), IDC_STRING_LIST);
    LVITEMA select{};
    select.stateMask = select.state = LVIS_SELECTED;
    SendMessageA(firstList, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
    SetDlgItemTextA(Form(foreground, 1), IDC_FOREGROUND_DESCRIPTION, "Two windows");
    EXPECT_EQ(Field(foreground, IDC_FOREGROUND_DESCRIPTION), "Two windows");
    EXPECT_EQ(SendMessageA(firstList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1)
        << "a new description leaves the lines the other window has selected alone";
    SendMessageA(Form(foreground, 1), WM_COMMAND, MAKEWPARAM(IDC_ADD_STRING, BN_CLICKED), 0);
    SendMessageA(Form(foreground), WM_COMMAND, MAKEWPARAM(IDC_DELETE_STRINGS, BN_CLICKED), 0);
    EXPECT_EQ(Lines(foreground), (Texts{"New Text", "bc", "a"})) << "the selection went with the lines it marked";
    SendMessageA(firstList, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&select));
    SendMessageA(Form(foreground), WM_COMMAND, MAKEWPARAM(IDC_DELETE_STRINGS, BN_CLICKED), 0);
    EXPECT_EQ(Lines(foreground, 1), (Texts{"New Text", "bc"}));
    SendMessageA(GetParent(Form(foreground)), WM_CLOSE, 0, 0);
    ASSERT_EQ(foreground.Views().size(), 1u);
    ASSERT_TRUE(foreground.OnSaveDocument(folder_ + "two.bxf"));
    const std::string saved = ReadAll(folder_ + "two.bxf");
    EXPECT_EQ(saved.substr(12, 12), "Two windows"s + '\0');
    EXPECT_EQ(saved.substr(44), "\2\0\0\0\2\0bc\10\0New Text"s);

    auto& background = static_cast<CBackgroundDoc&>(Open(background_, "two.bxb", kGreenBackground));
    ASSERT_TRUE(frame_.RouteCommand(ID_WINDOW_NEW));
    SetDlgItemTextA(Form(background, 1), IDC_BACKGROUND_DESCRIPTION, "Sky");
    SendDlgItemMessageA(Form(background), IDC_COLOUR_LIST, LB_SETCURSEL, 5, 0);
    SendMessageA(Form(background), WM_COMMAND, MAKEWPARAM(IDC_COLOUR_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(Form(background), IDC_COLOUR_LIST)));
    EXPECT_EQ(Field(background, IDC_BACKGROUND_DESCRIPTION), "Sky");
    EXPECT_EQ(SendDlgItemMessageA(Form(background, 1), IDC_COLOUR_LIST, LB_GETCURSEL, 0, 0), 5);
    EXPECT_STREQ(background.Header().Description, "Sky");
    EXPECT_EQ(background.Header().ColourIndex, 5);
}

// A background too short for its header or of another version, and a foreground too long to
// read whole: neither may lead to a file Banderix refuses or to one cut short.
TEST_F(HostedDocument, SavedBackgroundsAreOfTheKnownVersionAndAForegroundReadInPartIsRefused) {
    std::ofstream(folder_ + "green.bmp", std::ios::binary) << kGreenBackground.substr(52);
    for (const std::string& bytes : {"\1\0\0\0Short"s, "\7\0\0\0"s + kGreenBackground.substr(4)}) {
        SCOPED_TRACE(bytes.size());
        auto& document = static_cast<CBackgroundDoc&>(Open(background_, "odd.bxb", bytes));
        if (!document.Dib())
            document.SetImage(UniqueDib(LoadDIB((folder_ + "green.bmp").c_str())));
        ASSERT_TRUE(document.OnSaveDocument(folder_ + "odd.bxb"));
        const std::string saved = ReadAll(folder_ + "odd.bxb");
        EXPECT_EQ(saved.substr(0, 4), "\1\0\0\0"s);
        EXPECT_EQ(DescriptionOf(document.Header().Description), bytes.size() < 52 ? "New Background Doc" : "");
        document.OnCloseDocument();
    }

    const std::string path = folder_ + "long.bxf";
    std::ofstream(path, std::ios::binary) << kAThenBc;
    {
        const UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        LARGE_INTEGER end{};
        end.QuadPart = kLargestForegroundFile + 1;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get()));
    }
    told_.clear();
    EXPECT_EQ(foreground_.OpenDocumentFile(path), nullptr);
    EXPECT_EQ(told_, Texts{"Error opening " + path});
    EXPECT_TRUE(foreground_.Documents().empty());
    EXPECT_EQ(std::filesystem::file_size(path), kLargestForegroundFile + 1);
}

TEST_F(HostedDocument, ASaveThatFailsReturnsFalseAndKeepsTheChangesAndTheOldFile) {
    Document& document = Open(foreground_, "old", kAThenBc);
    document.SetModifiedFlag(true);
    const std::string nowhere = folder_ + "gone\\new", old = folder_ + "old";
    EXPECT_FALSE(document.OnSaveDocument(nowhere));
    EXPECT_EQ(document.PathName(), old);
    // A read-only file is kept, and stays read-only.
    SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(document.OnSaveDocument(old));
    EXPECT_EQ(GetFileAttributesA(old.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(ReadAll(old), kAThenBc);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "nothing left beside it";
    EXPECT_EQ(told_, (Texts{"Failed to save document " + nowhere + ".", "Failed to save document " + old + "."}));
}

// The colours the view's printed page shows inside the control's border. The page is as wide as
// the form, so it takes the form pixel for pixel.
std::set<uint32_t> PrintedColours(const Document& document, int control) {
    View& view = *document.Views().at(0);
    MoveWindow(GetParent(view.Handle()), 0, 0, 640, 480, FALSE); // the frame the form fills
    RECT client, area;
    GetClientRect(view.Handle(), &client);
    // Top-down: row y at y * width.
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    const GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDc page(nullptr);
    {
        const ScopedSelect selected(page.Get(), bitmap.Get());
        view.OnPrint(page.Get(), client);
    }
    const HWND item = GetDlgItem(view.Handle(), control);
    GetClientRect(item, &area);
    MapWindowPoints(item, view.Handle(), reinterpret_cast<POINT*>(&area), 2);
    IntersectRect(&area, &area, &client);
    std::set<uint32_t> colours;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            colours.insert(static_cast<const uint32_t*>(bits)[y * client.right + x] & 0xFFFFFF);
    return colours;
}

// Print and Print Preview draw their page through the view's OnPrint: the picture the background
// form paints itself and the text its controls show must both reach the page.
TEST_F(HostedDocument, EachFormPrintsWhatItShows) {
    EXPECT_EQ(PrintedColours(Open(background_, "sky", kGreenBackground), IDC_PREVIEW_FRAME).count(0x20A040), 1u);
    EXPECT_GT(PrintedColours(Open(mail_, "letter", kTypedMail), IDC_MAIL_MESSAGE).size(), 1u)
        << "the message's field printed in one colour: left out, or without its text";
}

TEST(EditorProfile, IsKeptUnderTheApplicationsNameNotTheProgramFilesName) {
    g_application.SetRegistryKey("BndxProfileTest");
    EXPECT_EQ(dynamic_cast<RegistryProfile&>(g_application.Profile()).KeyPath(),
              "Software\\BndxProfileTest\\Bandsmith");
}

std::string InCodePage(const wchar_t* text) {
    char bytes[64] = {};
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes, sizeof bytes, nullptr, &lost);
    return lost ? "" : bytes;
}

TEST(SaveLocation, FoldersDifferingOnlyInTheCaseOfAnyLetterAreTheDataDirectory) {
    const std::string upper = InCodePage(L"C:\\\u00C9T\u00C9\\Data\\"),
                      lower = InCodePage(L"c:\\\u00E9t\u00E9\\data\\");
    if (upper.empty() || lower.empty())
        GTEST_SKIP() << "the code page has no accented letters";
    EXPECT_TRUE(IsInDataDirectory(lower + "sky.bxb", upper));
    EXPECT_FALSE(IsInDataDirectory(InCodePage(L"c:\\\u00E8t\u00E9\\data\\sky.bxb"), upper));
}

} // namespace
} // namespace bndx
