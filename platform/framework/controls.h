// Thin handles to the standard controls the dialogs use, so that handlers read as what they do
// rather than as the messages they send.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace bndx {

class Control {
public:
    explicit Control(HWND window = nullptr) : window_(window) {}
    HWND Handle() const { return window_; }
    void Enable(bool enable) const { EnableWindow(window_, enable); }
    bool IsEnabled() const { return IsWindowEnabled(window_) != FALSE; }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageA(window_, message, wParam, lParam);
    }

private:
    HWND window_;
};

class ListBox : public Control {
public:
    using Control::Control;
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    void Clear() const { Send(LB_RESETCONTENT); }
    // A row with text; returns its index.
    int AddString(const std::string& text) const {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    // A row of a list without strings: the value is the row's item data.
    int AddItem(LPARAM data) const { return static_cast<int>(Send(LB_ADDSTRING, 0, data)); }
    std::string Text(int row) const {
        const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(row));
        if (length == LB_ERR)
            return {};
        std::vector<char> text(static_cast<size_t>(length) + 1);
        Send(LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }
    LPARAM ItemData(int row) const { return static_cast<LPARAM>(Send(LB_GETITEMDATA, static_cast<WPARAM>(row))); }
    void SetItemData(int row, LPARAM data) const { Send(LB_SETITEMDATA, static_cast<WPARAM>(row), data); }
    // Selection of a multiple-selection list.
    bool IsSelected(int row) const { return Send(LB_GETSEL, static_cast<WPARAM>(row)) > 0; }
    void SetSelected(int row, bool selected) const { Send(LB_SETSEL, selected, row); }
    // Selection of a single-selection list, -1 for none.
    int CurrentRow() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurrentRow(int row) const { Send(LB_SETCURSEL, static_cast<WPARAM>(row)); }
    int RowHeight() const { return static_cast<int>(Send(LB_GETITEMHEIGHT)); }
    void SetRowHeight(int height) const { Send(LB_SETITEMHEIGHT, 0, MAKELPARAM(height, 0)); }
    // The first row in view.
    int TopRow() const { return static_cast<int>(Send(LB_GETTOPINDEX)); }
    void SetTopRow(int row) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(row)); }
};

class ComboBox : public Control {
public:
    using Control::Control;
    int CurrentRow() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurrentRow(int row) const { Send(CB_SETCURSEL, static_cast<WPARAM>(row)); }
};

class Button : public Control {
public:
    using Control::Control;
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

// A trackbar.
class Slider : public Control {
public:
    using Control::Control;
    void SetRange(int low, int high, bool redraw) const { Send(TBM_SETRANGE, redraw, MAKELPARAM(low, high)); }
    void SetPosition(int position, bool redraw) const { Send(TBM_SETPOS, redraw, position); }
    int Position() const { return static_cast<int>(Send(TBM_GETPOS)); }
};

} // namespace bndx
