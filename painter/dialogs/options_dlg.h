// The Options dialog, which also holds the settings record for the program's life: the look of
// the title and the scrolling text, their timing, which windows are painted, and (through
// Advanced Options) the paint method, and the programs left alone. Changes take effect on Apply or OK; a font takes
// effect as soon as the font dialog closes with OK.
#pragma once

#include "painter/settings/painter_settings.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialog.h"

#include <cstdint>

namespace bndx {

// The main window, told after Apply stored new values, so that painting follows them at once.
class OptionsOwner {
public:
    virtual void OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged,
                                  bool paintModeChanged) = 0;

protected:
    ~OptionsOwner() = default;
};

class COptionsDlg : public Dialog {
public:
    explicit COptionsDlg(OptionsOwner& owner);

    PainterSettings& Settings() { return settings_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnOK() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static constexpr int kElementCount = 4;

    void OnShowTitleClicked();
    void OnElementSelChange();
    void OnColourSelChange();
    void OnFont();
    void OnAdvanced();
    void OnLeaveAlone();
    // Says beside the speed controls, while Windows' animations are off, why nothing scrolls.
    void ShowAnimationsNote();
    void OnApply();
    void EnableTitleOptions(bool enable);

    OptionsOwner& owner_;
    PainterSettings settings_;

    // Working copies, from the dialog's opening to Apply.
    uint16_t workingColours_[kElementCount] = {};
    uint16_t workingPaintByType_ = 0;
    uint16_t workingRefreshFrequency_ = 0;
    int32_t workingPaintMode_ = 0;
    int32_t appliedCoverage_ = 0;
    LeaveAloneList workingLeaveAlone_;

    ListBox elementList_;
    ListBox colourList_;
    Slider speedSlider_;
    Slider frequencySlider_;
};

} // namespace bndx
