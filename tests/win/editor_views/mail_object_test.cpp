// The mail message document and its form, hosted in a main frame of their own: the .bxm file
// written and read through the form, damaged files, failed saves, a second window and the
// refusal of an empty message.
#include "editor/documents/mail_object_doc.h"
#include "editor/export/program_export.h"
#include "editor/views/mail_object_view.h"
#include "platform/framework/doc_application.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/message_box.h"
#include "resources/editor/resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace bndx {
namespace {

using namespace std::string_literals;

const RuntimeClass<MdiChild> kPlainFrame{"MdiChild", []() -> MdiChild* { return new MdiChild; }};

class Host : public DocApplication {
public:
    Host() {
        SetRegistryKey("Bandsmith Tests");
        frame_.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW);
        SetMainFrame(&frame_);
        AddDocTemplate(std::make_unique<DocTemplate>(IDR_MAILOBJECTTYPE, CMailObjectDoc::Class, kPlainFrame,
                                                     CMailObjectView::Class));
    }
    DocTemplate& Mail() { return *Templates().front(); }

protected:
    bool InitInstance() override { return true; }

private:
    MdiFrame frame_;
};

class MailDocument : public testing::Test {
protected:
    static void SetUpTestSuite() { host_ = new Host; }
    static void TearDownTestSuite() { delete host_; }
    void SetUp() override {
        shown_.clear();
        SetMessageBoxSink(Record);
        char temp[MAX_PATH], name[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        GetTempFileNameA(temp, "bxv", 0, name);
        DeleteFileA(name);
        CreateDirectoryA(name, nullptr);
        folder_ = std::string(name) + "\\";
    }
    void TearDown() override {
        host_->CloseAllDocuments();
        SetMessageBoxSink(nullptr);
        std::filesystem::remove_all(folder_);
    }

    Document* Open(const std::string& path = "") { return host_->Mail().OpenDocumentFile(path); }
    static HWND Form(const Document* document, size_t view = 0) { return document->Views().at(view)->Handle(); }
    static std::string Field(HWND form, int id) {
        char text[600] = {};
        GetDlgItemTextA(form, id, text, sizeof text);
        return text;
    }
    // Setting a field's text raises the change notice typing does.
    static void Type(HWND form, int id, const char* text) { SetDlgItemTextA(form, id, text); }
    static void Click(HWND form, int id) {
        SendMessageA(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
    }
    static void TypeAll(HWND form) {
        Type(form, IDC_MAIL_NAME, "Ann");
        Type(form, IDC_MAIL_ADDRESS, "ann@example.org");
        Type(form, IDC_MAIL_SUBJECT, "Hi");
        Type(form, IDC_MAIL_MESSAGE, "Look up");
    }
    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void WriteAll(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static int Record(const char* text, const char*, UINT) {
        shown_.push_back(text);
        return IDOK;
    }

    static inline Host* host_ = nullptr;
    static inline std::vector<std::string> shown_;
    std::string folder_;
};

const std::string kTypedFile = "\3\0Ann\17\0ann@example.org\2\0Hi\7\0Look up"s;

TEST_F(MailDocument, EveryFieldTypedIsSavedAndOpensAgainUnmodified) {
    Document* document = Open();
    ASSERT_NE(document, nullptr);
    const HWND form = Form(document);
    EXPECT_EQ(SendDlgItemMessageA(form, IDC_MAIL_MESSAGE, EM_GETLIMITTEXT, 0, 0), 512);
    EXPECT_TRUE(document->OnSaveDocument(folder_ + "empty.bxm"));
    EXPECT_EQ(ReadAll(folder_ + "empty.bxm"), std::string(8, '\0'));

    for (int id : {IDC_MAIL_NAME, IDC_MAIL_ADDRESS, IDC_MAIL_SUBJECT, IDC_MAIL_MESSAGE}) {
        document->SetModifiedFlag(false);
        Type(form, id, "x");
        EXPECT_TRUE(document->IsModified()) << "typing in field " << id;
    }
    TypeAll(form);
    const std::string path = folder_ + "letter.bxm";
    ASSERT_TRUE(document->OnSaveDocument(path));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(ReadAll(path), kTypedFile);

    Document* again = Open(path);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Field(Form(again), IDC_MAIL_NAME), "Ann");
    EXPECT_EQ(Field(Form(again), IDC_MAIL_ADDRESS), "ann@example.org");
    EXPECT_EQ(Field(Form(again), IDC_MAIL_SUBJECT), "Hi");
    EXPECT_EQ(Field(Form(again), IDC_MAIL_MESSAGE), "Look up");
    EXPECT_FALSE(again->IsModified()) << "filling the form is not an edit";
    EXPECT_TRUE(shown_.empty());
}

TEST_F(MailDocument, AShortOrDamagedFileOpensWithWhatCouldBeRead) {
    const struct {
        std::string bytes;
        const char* name;
        const char* address;
    } cases[] = {
        {""s, "", ""},
        {"\3"s, "", ""},
        {"\3\0Ann\100\0ab"s, "Ann", ""},
        {"\3\0Ann\2\0ab\377\377"s, "Ann", "ab"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::PrintToString(test.bytes));
        const std::string path = folder_ + "damaged.bxm";
        WriteAll(path, test.bytes);
        Document* document = Open(path);
        ASSERT_NE(document, nullptr);
        EXPECT_EQ(Field(Form(document), IDC_MAIL_NAME), test.name);
        EXPECT_EQ(Field(Form(document), IDC_MAIL_ADDRESS), test.address);
        EXPECT_EQ(Field(Form(document), IDC_MAIL_MESSAGE), "");
        EXPECT_FALSE(document->IsModified());
        document->OnCloseDocument();
    }
}

TEST_F(MailDocument, ASaveThatFailsKeepsTheOldFileAndTheChanges) {
    const std::string path = folder_ + "letter.bxm";
    WriteAll(path, kTypedFile);
    Document* document = Open(path);
    ASSERT_NE(document, nullptr);
    Type(Form(document), IDC_MAIL_MESSAGE, "Changed");
    const HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(document->OnSaveDocument(path));
    EXPECT_TRUE(document->IsModified());
    CloseHandle(held);
    EXPECT_EQ(ReadAll(path), kTypedFile);

    // A folder where nothing can be made: the same, and nothing is left behind.
    const std::string nowhere = folder_ + "gone\\letter.bxm";
    EXPECT_FALSE(document->OnSaveDocument(nowhere));
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(shown_, (std::vector<std::string>{"Failed to save document " + path + ".",
                                                "Failed to save document " + nowhere + "."}));
}

TEST_F(MailDocument, TestAndMailRefuseAMessageOfSpacesAndWriteNothing) {
    const std::string program = TemporaryProgramPath();
    DeleteFileA(program.c_str());
    Document* document = Open();
    ASSERT_NE(document, nullptr);
    Type(Form(document), IDC_MAIL_MESSAGE, "   \t  ");

    const std::string refusal =
        "Mail Message must have at least one 'non-space' character.  Modify message and try again.";
    Click(Form(document), IDC_MAIL_TEST);
    EXPECT_EQ(shown_, std::vector<std::string>{refusal});
    Click(Form(document), IDC_MAIL_SEND);
    EXPECT_EQ(shown_, (std::vector<std::string>{refusal, refusal}));
    EXPECT_EQ(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES) << program << " was written";
}

TEST_F(MailDocument, ClosingTheFirstOfTwoWindowsLosesNoText) {
    const std::string path = folder_ + "letter.bxm";
    WriteAll(path, kTypedFile);
    Document* document = Open(path);
    ASSERT_NE(document, nullptr);
    Type(Form(document), IDC_MAIL_SUBJECT, "Hello");
    MdiChild* second = host_->Mail().CreateNewFrame(*document);
    ASSERT_NE(second, nullptr);
    second->InitialUpdate();
    EXPECT_EQ(Field(Form(document, 1), IDC_MAIL_NAME), "") << "a second window starts empty";

    DestroyChildFrame(GetParent(Form(document)));
    ASSERT_EQ(document->Views().size(), 1u);
    EXPECT_EQ(Field(Form(document), IDC_MAIL_SUBJECT), "Hello");
    const std::string copy = folder_ + "copy.bxm";
    ASSERT_TRUE(document->OnSaveDocument(copy));
    std::string expected = kTypedFile;
    expected.replace(22, 4, "\5\0Hello"s);
    EXPECT_EQ(ReadAll(copy), expected);
}

} // namespace
} // namespace bndx
