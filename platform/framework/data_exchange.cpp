#include "platform/framework/data_exchange.h"

#include "platform/framework/message_box.h"

#include <vector>

namespace bndx {

namespace {

bool IsRadioButton(HWND control) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiA(className, "Button") == 0 && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

} // namespace

void DataExchange::Refuse(HWND control, const std::string& message) {
    ShowProgramMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(control);
    succeeded_ = false;
}

void DataExchange::Text(int id, std::string& value, int maxLength) {
    if (!succeeded_)
        return;
    HWND control = Control(id);
    if (!saving_) {
        if (maxLength > 0)
            SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int read = GetWindowTextA(control, text.data(), length + 1);
    if (maxLength > 0 && read > maxLength) {
        Refuse(control, "Enter no more than " + std::to_string(maxLength) + " characters.");
        return;
    }
    value.assign(text.data(), static_cast<size_t>(read));
}

void DataExchange::Check(int id, int32_t& value) {
    if (!succeeded_)
        return;
    if (saving_)
        value = IsDlgButtonChecked(dialog_, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dialog_, id, value ? BST_CHECKED : BST_UNCHECKED);
}

void DataExchange::Radio(int firstId, int32_t& value) {
    if (!succeeded_)
        return;
    if (saving_)
        value = -1;
    int32_t index = 0;
    HWND control = Control(firstId);
    while (control) {
        if (IsRadioButton(control)) {
            if (saving_ && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
            else if (!saving_)
                SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            ++index;
        }
        control = GetWindow(control, GW_HWNDNEXT);
        if (control && (GetWindowLongPtrA(control, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void DataExchange::ComboIndex(int id, int32_t& value) {
    if (!succeeded_)
        return;
    if (saving_)
        value = static_cast<int32_t>(SendMessageA(Control(id), CB_GETCURSEL, 0, 0));
    else
        SendMessageA(Control(id), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DataExchange::ListIndex(int id, int32_t& value) {
    if (!succeeded_)
        return;
    if (saving_)
        value = static_cast<int32_t>(SendMessageA(Control(id), LB_GETCURSEL, 0, 0));
    else
        SendMessageA(Control(id), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

} // namespace bndx
