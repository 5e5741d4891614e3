#include "platform/framework/new_type_dialog.h"

#include "platform/framework/controls.h"
#include "platform/framework/framework_ids.h"

namespace bndx {

NewTypeDialog::NewTypeDialog(std::vector<std::string> names) : Dialog(IDD_NEW_TYPE), names_(std::move(names)) {}

bool NewTypeDialog::OnInitDialog() {
    const ListBox list(Item(IDC_NEW_TYPE_LIST));
    for (const std::string& name : names_)
        list.AddString(name);
    return Dialog::OnInitDialog();
}

void NewTypeDialog::DoDataExchange(DataExchange& dx) {
    dx.ListIndex(IDC_NEW_TYPE_LIST, chosen_);
}

bool NewTypeDialog::OnCommand(int id, int notifyCode, HWND control) {
    // A double click on a kind chooses it.
    if (id == IDC_NEW_TYPE_LIST && notifyCode == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

} // namespace bndx
