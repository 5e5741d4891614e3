#include "tests/win/driver/list_box.h"

#include "tests/win/driver/program_windows.h"

#include <algorithm>

namespace bndx::e2e {

int ListBox::Count() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

std::string ListBox::Text(int row) const {
    // Asked in the list's own character set: Wine hands another process's list text to an
    // ANSI caller unconverted.
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.c_str());
}

std::vector<std::string> ListBox::Texts() const {
    std::vector<std::string> texts;
    for (int row = 0; row < Count(); ++row)
        texts.push_back(Text(row));
    return texts;
}

LRESULT ListBox::ItemData(int row) const {
    return SendMessageA(list_, LB_GETITEMDATA, row, 0);
}

int ListBox::ItemHeight(int row) const {
    return static_cast<int>(SendMessageA(list_, LB_GETITEMHEIGHT, row, 0));
}

std::vector<int> ListBox::Selected() const {
    std::vector<int> rows;
    for (int row = 0; row < Count(); ++row)
        if (SendMessageA(list_, LB_GETSEL, row, 0) > 0) rows.push_back(row);
    return rows;
}

int ListBox::RowOf(const std::string& text) const {
    const std::vector<std::string> texts = Texts();
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

bool ListBox::MultipleSelection() const {
    return (GetWindowLongA(list_, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void ListBox::ClickRow(int row) const {
    if (MultipleSelection())
        SendMessageA(list_, LB_SETSEL, SendMessageA(list_, LB_GETSEL, row, 0) > 0 ? FALSE : TRUE, row);
    else
        SendMessageA(list_, LB_SETCURSEL, row, 0);
    Notify(dialog_, id_, LBN_SELCHANGE);
}

void ListBox::SelectExactly(const std::vector<int>& rows) const {
    const std::vector<int> now = Selected();
    for (int row = 0; row < Count(); ++row) {
        const bool wanted = std::find(rows.begin(), rows.end(), row) != rows.end();
        const bool selected = std::find(now.begin(), now.end(), row) != now.end();
        if (wanted != selected && (wanted || MultipleSelection())) ClickRow(row);
    }
}

} // namespace bndx::e2e
