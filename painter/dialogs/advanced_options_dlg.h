// Advanced Options: how captions are kept painted (the system hook or a timer), how often the
// timer repaints, and whether the picture goes into the caption or over it. The caller sets the
// values before the dialog runs and reads them after it returns OK.
#pragma once

#include "platform/framework/dialog.h"

#include <cstdint>

namespace bndx {

class CAdvancedOptionsDlg : public Dialog {
public:
    CAdvancedOptionsDlg();

    int32_t PaintMethod = 1;  // radio index: 0 hook, 1 timer
    uint16_t RefreshRate = 3; // refreshes per second, 1..5
    int32_t PaintMode = 0;    // radio index, a PaintModeSetting: 0 automatic, 1 into, 2 over the caption

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;
    void DoDataExchange(DataExchange& dx) override;
};

} // namespace bndx
