// "Programs Left Alone": the programs that show captioned windows now, and those already left
// alone, each with its icon and a tick box. Ticked programs keep the system's captions.
#pragma once

#include "painter/settings/leave_alone_list.h"
#include "platform/framework/dialog.h"
#include "platform/framework/unique_handle.h"

#include <commctrl.h>

namespace bndx {

namespace handle_traits {
struct ImageList : NullIsNone<HIMAGELIST> {
    static bool Close(Type list) { return ImageList_Destroy(list) != FALSE; }
};
} // namespace handle_traits

class CLeaveAloneDlg : public Dialog {
public:
    // Opens with the programs of list ticked; after OK, List holds the ticked ones.
    explicit CLeaveAloneDlg(const LeaveAloneList& list);

    LeaveAloneList List;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

private:
    // The programs' icons; each row's item data is its icon's index.
    UniqueHandle<handle_traits::ImageList> icons_;
};

} // namespace bndx
