// The dialog layer on a real template: data exchange both ways, the template's initial data,
// refusals, and exceptions thrown by handlers.
#include "platform/framework/dialog.h"
#include "platform/framework/message_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace bndx {
namespace {

constexpr UINT kTemplate = 100;

class BoundDialog : public Dialog {
public:
    BoundDialog() : Dialog(kTemplate) {}
    int32_t choice = 2;
    int32_t ticked = 1;
    int32_t item = 1;
    std::string text = "abc";
    int32_t otherGroup = 1;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Radio(10, choice);
        dx.Check(20, ticked);
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

TEST(DialogDataExchange, ShowsMembersAndTakesThemBack) {
    BoundDialog dialog;
    ASSERT_TRUE(dialog.Create());
    // The template's initial data gave the combo box its items before the exchange ran.
    ASSERT_EQ(SendDlgItemMessageA(dialog.Handle(), 30, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 12), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 10), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 51), BST_CHECKED) << "each group counts from its own first button";
    EXPECT_EQ(IsDlgButtonChecked(dialog.Handle(), 20), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessageA(dialog.Handle(), 30, CB_GETCURSEL, 0, 0), 1);

    CheckRadioButton(dialog.Handle(), 10, 12, 10);
    CheckDlgButton(dialog.Handle(), 20, BST_UNCHECKED);
    SendDlgItemMessageA(dialog.Handle(), 30, CB_SETCURSEL, 0, 0);
    SetDlgItemTextA(dialog.Handle(), 40, "xyz");
    CheckDlgButton(dialog.Handle(), 51, BST_UNCHECKED);
    ASSERT_TRUE(dialog.UpdateData(true));
    EXPECT_EQ(dialog.choice, 0);
    EXPECT_EQ(dialog.ticked, 0);
    EXPECT_EQ(dialog.item, 0);
    EXPECT_EQ(dialog.text, "xyz");
    EXPECT_EQ(dialog.otherGroup, -1) << "no button chosen";
}

TEST(DialogDataExchange, RefusesTextOverItsLimitAndKeepsTheMember) {
    BoundDialog dialog;
    ASSERT_TRUE(dialog.Create());
    // The limit also bounds typing; a program can still put a longer text in.
    SendDlgItemMessageA(dialog.Handle(), 40, EM_LIMITTEXT, 0, 0);
    SetDlgItemTextA(dialog.Handle(), 40, "too long");
    const MessageBoxSink before = SetMessageBoxSink(Record);
    g_told.clear();
    EXPECT_FALSE(dialog.UpdateData(true));
    SetMessageBoxSink(before);
    EXPECT_EQ(g_told, "Enter no more than 5 characters.");
    EXPECT_EQ(dialog.text, "abc");
    EXPECT_EQ(dialog.ticked, 1) << "bindings after a refusal are left alone";
}

class ThrowingDialog : public Dialog {
public:
    ThrowingDialog() : Dialog(kTemplate) {}

protected:
    bool OnInitDialog() override {
        PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(20, BN_CLICKED), 0);
        return true;
    }
    bool OnCommand(int id, int, HWND) override {
        if (id == 20)
            throw std::runtime_error("handler failed");
        return false;
    }
};

TEST(DialogExceptions, AHandlersExceptionEndsTheModalRunAndComesOutOfIt) {
    ThrowingDialog dialog;
    EXPECT_THROW(dialog.DoModal(), std::runtime_error);
    EXPECT_EQ(dialog.Handle(), nullptr);
    // The object can run again afterwards.
    EXPECT_THROW(dialog.DoModal(), std::runtime_error);
}

} // namespace
} // namespace bndx
