#include "painter/dialogs/advanced_options_dlg.h"

#include "common/ui/help.h"
#include "painter/dialogs/help_topics.h"
#include "platform/framework/controls.h"
#include "resources/painter/resource.h"

namespace bndx {

CAdvancedOptionsDlg::CAdvancedOptionsDlg() : Dialog(IDD_ADVANCED_OPTIONS) {}

void CAdvancedOptionsDlg::DoDataExchange(DataExchange& dx) {
    dx.Radio(IDC_HOOK_METHOD, PaintMethod);
    dx.Radio(IDC_PAINT_AUTOMATIC, PaintMode);
}

bool CAdvancedOptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    const Slider refresh(Item(IDC_REFRESH_RATE));
    refresh.SetRange(1, 5, true);
    refresh.SetPosition(RefreshRate, true);
    return true;
}

bool CAdvancedOptionsDlg::OnCommand(int id, int notifyCode, HWND control) {
    if (id == ID_HELP) {
        ShowHelp(Handle(), kHelpFile, kHelpContext, kAdvancedOptionsHelpTopic);
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

void CAdvancedOptionsDlg::OnOK() {
    RefreshRate = static_cast<uint16_t>(Slider(Item(IDC_REFRESH_RATE)).Position());
    Dialog::OnOK();
}

} // namespace bndx
