// Moves values between a dialog's controls and the members bound to them, one direction per
// exchange: into the controls when a dialog opens, back into the members on OK or Apply.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace bndx {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool Saving() const { return saving_; }
    // False once a value was refused; the bindings after it are left alone.
    bool Succeeded() const { return succeeded_; }

    // An edit or static control's text; an edit control takes at most maxLength characters
    // when maxLength is given, and a longer text is refused on saving.
    void Text(int id, std::string& value, int maxLength = 0);
    // A check box: 0 unticked, 1 ticked.
    void Check(int id, int32_t& value);
    // A group of radio buttons from firstId to the next control that starts a group: the
    // index of the chosen one, -1 for none.
    void Radio(int firstId, int32_t& value);
    // The selected row of a combo box or a single-selection list box, -1 for none.
    void ComboIndex(int id, int32_t& value);
    void ListIndex(int id, int32_t& value);

private:
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    void Refuse(HWND control, const std::string& message);

    HWND dialog_;
    bool saving_;
    bool succeeded_ = true;
};

} // namespace bndx
