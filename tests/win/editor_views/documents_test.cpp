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
#include <functional>
#include <fstream>
#include <iterator>

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
const std::string kBcThenA = kForegroundHeader + "\2\0bc\1\0a"s;
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
    char shown[8] = {};
    LVITEMA item{};
    item.pszText = shown;
    item.cchTextMax = sizeof shown;
    SendDlgItemMessageA(Form(document), IDC_STRING_LIST, LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(shown, "a") << "the list shows the lines the form holds";
    EXPECT_EQ(Field(document, IDC_FOREGROUND_DESCRIPTION), "1234567890");
    EXPECT_FALSE(document.IsModified()) << "showing the file is not an edit";
    ASSERT_TRUE(document.OnSaveDocument(folder_ + "in.bxf"));
    EXPECT_EQ(ReadAll(folder_ + "in.bxf"), kAThenBc) << "opened and saved, the file stays byte for byte";

    // A line added at the top of the list follows the ones the file held.
    SendMessageA(Form(document), WM_COMMAND, MAKEWPARAM(IDC_ADD_STRING, BN_CLICKED), 0);
    ASSERT_TRUE(document.OnSaveDocument(folder_ + "in.bxf"));
    EXPECT_EQ(ReadAll(folder_ + "in.bxf").substr(44), "\3\0\0\0\1\0a\2\0bc\10\0New Text"s);
    EXPECT_TRUE(told_.empty());
}

TEST_F(HostedDocument, AForegroundDescriptionTypedOrImportedStaysInsideItsField) {
    auto& document = static_cast<CForegroundDoc&>(Open(foreground_));
    HWND edit = GetDlgItem(Form(document), IDC_FOREGROUND_DESCRIPTION);
    SetWindowTextA(edit, "");
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("A description of forty characters, long"));
    EXPECT_EQ(Field(document, IDC_FOREGROUND_DESCRIPTION), "A description of forty characte");
    EXPECT_STREQ(document.GetHeader()->Description, "A description of forty characte");
    EXPECT_TRUE(document.IsModified());

    std::ofstream(folder_ + "long.txt", std::ios::binary) << "A first line much longer than the field holds\r\nb\r\nc";
    dynamic_cast<CForegroundView&>(*document.Views().at(0)).ImportStrings(folder_ + "long.txt");
    EXPECT_STREQ(document.GetHeader()->Description, "A first line much longer than t");
    EXPECT_EQ(document.GetHeader()->LineCount, 0) << "the field after the description is untouched";
    EXPECT_EQ(Lines(document), (Texts{"c", "b"})) << "each imported line goes to the top";
}

TEST_F(HostedDocument, MailFieldsTypedAreSavedAndOpenAgainUnmodified) {
    Document& document = Open(mail_);
    EXPECT_EQ(SendDlgItemMessageA(Form(document), IDC_MAIL_MESSAGE, EM_GETLIMITTEXT, 0, 0), 512);
    const std::pair<int, const char*> fields[] = {{IDC_MAIL_NAME, "Ann"},
                                                  {IDC_MAIL_ADDRESS, "ann@example.org"},
                                                  {IDC_MAIL_SUBJECT, "Hi"},
                                                  {IDC_MAIL_MESSAGE, "Look up"}};
    for (const auto& [id, text] : fields) {
        document.SetModifiedFlag(false);
        SetDlgItemTextA(Form(document), id, text); // raises the change notice typing does
        EXPECT_TRUE(document.IsModified()) << "typing in field " << id;
    }
    ASSERT_TRUE(document.OnSaveDocument(folder_ + "letter.bxm"));
    EXPECT_EQ(ReadAll(folder_ + "letter.bxm"), kTypedMail);

    Document& again = Open(mail_, "again.bxm", kTypedMail);
    for (const auto& [id, text] : fields)
        EXPECT_EQ(Field(again, id), text);
    EXPECT_FALSE(again.IsModified()) << "filling the form is not an edit";

    // Window > New Window shows the same texts, and what is typed in one window shows in the other.
    ASSERT_TRUE(frame_.RouteCommand(ID_WINDOW_NEW));
    ASSERT_EQ(again.Views().size(), 2u);
    for (const auto& [id, text] : fields)
        EXPECT_EQ(Field(again, id, 1), text);
    SetDlgItemTextA(Form(again, 1), IDC_MAIL_SUBJECT, "Hello");
    EXPECT_EQ(Field(again, IDC_MAIL_SUBJECT), "Hello");
}

TEST_F(HostedDocument, ASaveThatFailsReturnsFalseAndKeepsTheChangesAndTheOldFile) {
    for (auto [kind, bytes] : {std::pair{&foreground_, kBcThenA}, std::pair{&mail_, kTypedMail}}) {
        told_.clear();
        Document& document = Open(*kind, "old", bytes);
        document.SetModifiedFlag(true);
        const std::string nowhere = folder_ + "gone\\new", old = folder_ + "old";
        EXPECT_FALSE(document.OnSaveDocument(nowhere));
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(document.PathName(), old);

        // Another program holding the old file keeps it from being replaced.
        HANDLE held = CreateFileA(old.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        const bool saved = document.OnSaveDocument(old);
        CloseHandle(held);
        EXPECT_FALSE(saved);
        // A read-only file is kept, and stays read-only.
        SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_READONLY);
        EXPECT_FALSE(document.OnSaveDocument(old));
        EXPECT_EQ(GetFileAttributesA(old.c_str()) & FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_READONLY);
        SetFileAttributesA(old.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(ReadAll(old), bytes);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "nothing left beside it";
        EXPECT_EQ(told_, (Texts{"Failed to save document " + nowhere + ".", "Failed to save document " + old + ".",
                                "Failed to save document " + old + "."}));
        document.OnCloseDocument();
    }
}

// Where the control shows its content, in the form's coordinates: inside its border, and for the
// list its top line.
RECT ContentOf(HWND form, int id) {
    HWND control = GetDlgItem(form, id);
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    if (id != IDC_STRING_LIST || !SendMessageA(control, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)))
        GetClientRect(control, &rect);
    MapWindowPoints(control, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Print and Print Preview draw their page through the view's OnPrint: the picture the background
// form paints itself, and the lines and texts its controls show, must all reach the page.
TEST_F(HostedDocument, EachFormPrintsWhatItShows) {
    const auto rgb = [](COLORREF c) { return uint32_t{GetRValue(c)} << 16 | GetGValue(c) << 8 | GetBValue(c); };
    // Text, selected or not, is neither the fields' white nor the form's grey that shows where a
    // control was left out.
    const auto ink = [plain = rgb(GetSysColor(COLOR_WINDOW)), left = rgb(GetSysColor(COLOR_3DFACE))](uint32_t pixel) {
        return pixel != plain && pixel != left;
    };
    const struct {
        const char* form;
        DocTemplate& kind;
        std::string file;
        std::vector<int> controls; // each must show something
        std::function<bool(uint32_t pixel)> shown;
    } cases[] = {
        {"background",
         background_,
         kGreenBackground,
         {IDC_PREVIEW_FRAME},
         [](uint32_t pixel) { return pixel == 0x20A040; }},
        {"foreground", foreground_, kBcThenA, {IDC_STRING_LIST}, ink},
        {"mail message", mail_, kTypedMail, {IDC_MAIL_NAME, IDC_MAIL_ADDRESS, IDC_MAIL_SUBJECT, IDC_MAIL_MESSAGE}, ink},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.form);
        Document& document = Open(c.kind, "printed", c.file);
        View& view = *document.Views().at(0);
        MoveWindow(GetParent(view.Handle()), 0, 0, 640, 480, FALSE); // the frame the form fills
        RECT client;
        GetClientRect(view.Handle(), &client);
        // Top-down: row y at y * width.
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        void* bits = nullptr;
        const GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        const MemoryDc page(nullptr);
        {
            const ScopedSelect selected(page.Get(), bitmap.Get());
            view.OnPrint(page.Get(), client); // a page as wide as the form takes it pixel for pixel
        }
        const auto* pixels = static_cast<const uint32_t*>(bits);
        for (int id : c.controls) {
            RECT area = ContentOf(view.Handle(), id);
            IntersectRect(&area, &area, &client);
            int shown = 0;
            for (int y = area.top; y < area.bottom; ++y)
                for (int x = area.left; x < area.right; ++x)
                    shown += c.shown(pixels[y * client.right + x] & 0xFFFFFF);
            EXPECT_GT(shown, 0) << "control " << id;
        }
        document.OnCloseDocument();
    }
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
