#include "painter/dialogs/leave_alone_dlg.h"

#include "common/ui/help.h"
#include "painter/dialogs/help_topics.h"
#include "painter/paint/left_alone_windows.h"
#include "painter/paint/win32_desktop.h"
#include "platform/framework/controls.h"
#include "resources/painter/resource.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

namespace bndx {

namespace {

constexpr int kGap = 4; // pixels between the tick box, the icon and the name

// The executable's own small icon; the system's icon of a program where the file cannot be read
// (a program of higher rights, one not running now) or has none.
int AddProgramIcon(HIMAGELIST icons, const std::string& path) {
    HICON icon = nullptr;
    if (path.find('\\') != std::string::npos)
        ExtractIconExA(path.c_str(), 0, nullptr, &icon, 1);
    const int index = ImageList_AddIcon(icons, icon ? icon : LoadIconA(nullptr, IDI_APPLICATION));
    if (icon)
        DestroyIcon(icon);
    return index;
}

} // namespace

CLeaveAloneDlg::CLeaveAloneDlg(const LeaveAloneList& list) : Dialog(IDD_LEAVE_ALONE), List(list) {}

// The list is a multiple-selection list whose selected rows are drawn as ticked: a click or the
// space bar toggles a row, as a tick box does.
bool CLeaveAloneDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    const int iconSize = GetSystemMetrics(SM_CXSMICON);
    icons_.Reset(ImageList_Create(iconSize, GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 8, 8));
    const ListBox programs(Item(IDC_PROGRAM_LIST));
    programs.SetRowHeight(std::max(iconSize + 2, programs.RowHeight()));
    const Win32Desktop desktop;
    for (const LeaveAloneRow& row : LeaveAloneRows(ProgramsWithCaptions(desktop), List)) {
        const int added = programs.AddString(row.program.name);
        programs.SetItemData(added, AddProgramIcon(icons_.Get(), row.program.path));
        programs.SetSelected(added, row.ticked);
    }
    return true;
}

bool CLeaveAloneDlg::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
    if (id != IDC_PROGRAM_LIST)
        return false;
    if (item.itemID == static_cast<UINT>(-1))
        return true; // an empty list asks only for its focus rectangle
    RECT row = item.rcItem;
    if (item.itemAction == ODA_FOCUS) {
        DrawFocusRect(item.hDC, &row);
        return true;
    }
    FillRect(item.hDC, &row, GetSysColorBrush(COLOR_WINDOW));
    const int height = row.bottom - row.top;
    const int box = std::min(height - 2, GetSystemMetrics(SM_CYSMICON));
    RECT tick{row.left + 2, row.top + (height - box) / 2, row.left + 2 + box, row.top + (height - box) / 2 + box};
    DrawFrameControl(item.hDC, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | ((item.itemState & ODS_SELECTED) ? DFCS_CHECKED : 0));
    const int iconLeft = tick.right + kGap;
    ImageList_Draw(icons_.Get(), static_cast<int>(item.itemData), item.hDC, iconLeft,
                   row.top + (height - GetSystemMetrics(SM_CYSMICON)) / 2, ILD_TRANSPARENT);
    const ListBox programs(item.hwndItem);
    const std::string name = programs.Text(static_cast<int>(item.itemID));
    RECT text = row;
    text.left = iconLeft + GetSystemMetrics(SM_CXSMICON) + kGap;
    const int mode = SetBkMode(item.hDC, TRANSPARENT);
    const COLORREF colour = SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetTextColor(item.hDC, colour);
    SetBkMode(item.hDC, mode);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &row);
    return true;
}

void CLeaveAloneDlg::OnOK() {
    const ListBox programs(Item(IDC_PROGRAM_LIST));
    std::vector<std::string> ticked;
    for (int row = 0; row < programs.Count(); ++row)
        if (programs.IsSelected(row))
            ticked.push_back(programs.Text(row));
    List.Assign(ticked);
    Dialog::OnOK();
}

bool CLeaveAloneDlg::OnCommand(int id, int notifyCode, HWND control) {
    if (id == ID_HELP) {
        ShowHelp(Handle(), kHelpFile, kHelpContext, kWindowsSettingsHelpTopic);
        return true;
    }
    return Dialog::OnCommand(id, notifyCode, control);
}

} // namespace bndx
