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
#include "platform/framework/doc_application.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/message_box.h"
#include "platform/framework/registry_profile.h"
#include "platform/framework/scoped_gdi.h"
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
    static Texts Lines(const Document& document) {
        const auto& view = dynamic_cast<const CForegroundView&>(*document.Views().at(0));
        Texts lines;
        for (int n = 0; n < view.GetStringCount(); ++n)
            lines.push_back(view.GetString(n));
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

TEST_F(HostedDocument, ForegroundLinesShowNewestFirstAndSaveInFileOrder) {
    Document& document = Open(foreground_, "in.bxf", kAThenBc);
    EXPECT_EQ(Lines(document), (Texts{"bc", "a"}));
    EXPECT_EQ(Field(document, IDC_FOREGROUND_DESCRIPTION), "1234567890");
    EXPECT_FALSE(document.IsModified()) << "showing the file is not an edit";

    // A line added at the top of the list follows the ones the file held.
    SendMessageA(Form(document), WM_COMMAND, MAKEWPARAM(IDC_ADD_STRING, BN_CLICKED), 0);
    ASSERT_TRUE(document.OnSaveDocument(folder_ + "in.bxf"));
    EXPECT_EQ(ReadAll(folder_ + "in.bxf"), kForegroundHeader.substr(0, 44) + "\3\0\0\0\1\0a\2\0bc\10\0New Text"s);
    EXPECT_TRUE(told_.empty());
}

TEST_F(HostedDocument, AnImportedDescriptionStaysInsideItsFieldAndEachLineGoesToTheTop) {
    auto& document = static_cast<CForegroundDoc&>(Open(foreground_));
    std::ofstream(folder_ + "long.txt", std::ios::binary) << "A first line much longer than the field holds\r\nb\r\nc";
    dynamic_cast<CForegroundView&>(*document.Views().at(0)).ImportStrings(folder_ + "long.txt");
    EXPECT_STREQ(document.GetHeader()->Description, "A first line much longer than t");
    EXPECT_EQ(document.GetHeader()->LineCount, 0) << "the field after the description is untouched";
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
