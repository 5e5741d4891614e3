// The dialog layer on a real template: data exchange both ways, the template's initial data,
// refusals, and exceptions thrown by handlers. And the bounded whole-file read on real files.
#include "platform/framework/dialog.h"
#include "platform/framework/file_bytes.h"
#include "platform/framework/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <vector>
#include <string>

namespace bndx {
namespace {

constexpr UINT kTemplate = 100;

class BoundDialog : public Dialog {
public:
    BoundDialog() : Dialog(kTemplate) {}
    int32_t choice = 2;
    int32_t item = 1;
    std::string text = "abc";
    int32_t otherGroup = 1;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Radio(10, choice);
        dx.ComboIndex(30, item);
        dx.Text(40, text, 5);
        dx.Radio(50, otherGroup);
    }
};

std::string g_told;
int Record(const char* text, const char*, UINT) {
    g_told = text;
    return IDOK;
}

// Taking the members back is what every Options dialog's Apply does end to end; here, what only
// a template of its own shows: initial data, radio groups apart, and the refusal.
TEST(DialogDataExchange, ShowsMembersAfterTheInitialDataAndRefusesTextOverItsLimit) {
    BoundDialog dialog;
    ASSERT_TRUE(dialog.Create());
    // The template's initial data gave the combo box its items before the exchange ran.
    ASSERT_EQ(SendDlgItemMessageA(dialog.Handle(), 30, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(dialog.Handle(), 30, CB_GETCURSEL, 0, 0), 1) << "and the member chose one";
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 12), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 51), BST_CHECKED) << "each group counts from its own first button";

    // The limit also bounds typing; a program can still put a longer text in.
    SendDlgItemMessageA(dialog.Handle(), 40, EM_LIMITTEXT, 0, 0);
    SetDlgItemTextA(dialog.Handle(), 40, "too long");
    const MessageBoxSink before = SetMessageBoxSink(Record);
    EXPECT_FALSE(dialog.UpdateData(true));
    SetMessageBoxSink(before);
    EXPECT_EQ(g_told, "Enter no more than 5 characters.");
    EXPECT_EQ(dialog.text, "abc");
}

class ThrowingDialog : public Dialog {
public:
    ThrowingDialog() : Dialog(kTemplate) {}

protected:
    bool OnInitDialog() override {
        PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(20, BN_CLICKED), 0);
        return true;
    }
    // A container's failure, thrown as the programs' runtime throws it: a standard exception still.
    bool OnCommand(int id, int, HWND) override { return id == 20 && std::vector<int>().at(0); }
};

TEST(DialogExceptions, AHandlersExceptionEndsTheModalRunAndComesOutOfIt) {
    ThrowingDialog dialog;
    EXPECT_THROW(dialog.DoModal(), std::exception);
    EXPECT_EQ(dialog.Handle(), nullptr);
    // The object can run again afterwards.
    EXPECT_THROW(dialog.DoModal(), std::exception);
}

// Files at, under and over the limit, one crossing the size the file is read in.
TEST(FileBytes, AreReadUpToTheLimitAndSayWhetherThatWasTheWholeFile) {
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string path = std::string(folder) + "bndx_file_bytes.bin";
    struct Case {
        size_t size, limit;
        bool whole;
    };
    for (const Case& test :
         {Case{0, 0, true}, Case{5, 5, true}, Case{5, 4, false}, Case{70000, 70001, true}, Case{70000, 65537, false}}) {
        SCOPED_TRACE(testing::Message() << test.size << " bytes, limit " << test.limit);
        std::string content(test.size, '\0');
        for (size_t n = 0; n < content.size(); ++n)
            content[n] = static_cast<char>(n * 7 + n / 251);
        std::ofstream(path, std::ios::binary) << content;
        const FileBytes read = ReadFileBytes(path, test.limit);
        EXPECT_TRUE(read.opened);
        EXPECT_EQ(test.whole, read.whole);
        EXPECT_EQ(content.substr(0, std::min(test.size, test.limit)),
                  std::string(read.bytes.begin(), read.bytes.end()));
    }
    DeleteFileA(path.c_str());
    EXPECT_FALSE(ReadFileBytes(path, 10).opened);
}

} // namespace
} // namespace bndx
