// A list box of another program, read through the messages it answers and changed as a
// click on a row changes it, notification and all.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

class ListBox {
public:
    ListBox(HWND dialog, int id) : dialog_(dialog), id_(id), list_(GetDlgItem(dialog, id)) {}
    HWND Handle() const { return list_; }

    int Count() const;
    std::string Text(int row) const;
    std::vector<std::string> Texts() const;
    LRESULT ItemData(int row) const;
    int ItemHeight(int row = 0) const;
    std::vector<int> Selected() const;
    // The first row showing the text, or -1.
    int RowOf(const std::string& text) const;

    // The row clicked: in a list of many selections it toggles, in a list of one it becomes
    // the selection. The owner is told before this returns.
    void ClickRow(int row) const;
    // Clicks, one row at a time, every row whose state differs from the wanted selection.
    void SelectExactly(const std::vector<int>& rows) const;

private:
    bool MultipleSelection() const;

    HWND dialog_;
    int id_;
    HWND list_;
};

} // namespace bndx::e2e
