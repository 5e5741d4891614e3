#include "painter/dialogs/options_dlg.h"

#include "common/ui/colour_swatch.h"
#include "common/colour_table.h"
#include "common/ui/help.h"
#include "painter/dialogs/advanced_options_dlg.h"
#include "painter/dialogs/help_topics.h"
#include "painter/dialogs/leave_alone_dlg.h"
#include "painter/paint/system_settings_win32.h"
#include "platform/framework/font_dialog.h"
#include "platform/framework/message_box.h"
#include "resources/painter/resource.h"

namespace bndx {

namespace {

constexpr const char* kElementNames[] = {"Window Title", "Scrolling Text", "Text Background", "Text Border"};
constexpr int kColourRows = kColourCount + 1; // "Automatic", then the table
constexpr char kAutomatic[] = "Automatic";

COLORREF ColourOfRow(UINT row) {
    if (row == kAutomaticColour)
        return RGB(255, 255, 255);
    const Rgb colour = ColourOf(row);
    return RGB(colour.red, colour.green, colour.blue);
}

void DrawColourRow(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1))
        return; // an empty list asks only for its focus rectangle
    HDC dc = item.hDC;
    DrawColourSwatch(dc, item.rcItem, ColourOfRow(item.itemID), (item.itemState & ODS_SELECTED) != 0);
    if (item.itemID == kAutomaticColour) {
        RECT row = item.rcItem;
        const int mode = SetBkMode(dc, TRANSPARENT);
        const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, kAutomatic, -1, &row, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SetTextColor(dc, text);
        SetBkMode(dc, mode);
    }
}

} // namespace

COptionsDlg::COptionsDlg(OptionsOwner& owner) : Dialog(IDD_OPTIONS), owner_(owner) {}

void COptionsDlg::DoDataExchange(DataExchange& dx) {
    dx.ComboIndex(IDC_ALIGNMENT, settings_.Alignment);
    dx.Check(IDC_FOREGROUND_TRANSPARENT, settings_.ForegroundTransparent);
    dx.Check(IDC_SHOW_TITLE, settings_.ShowTitle);
    dx.Check(IDC_TITLE_TRANSPARENT, settings_.TitleTransparent);
    dx.Radio(IDC_PAINT_ALL, settings_.WindowCoverage);
}

bool COptionsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    elementList_ = ListBox(Item(IDC_ELEMENT_LIST));
    colourList_ = ListBox(Item(IDC_COLOUR_LIST));
    speedSlider_ = Slider(Item(IDC_SPEED));
    frequencySlider_ = Slider(Item(IDC_FREQUENCY));

    workingColours_[0] = settings_.TitleColorIndex;
    workingColours_[1] = settings_.TextColorIndex;
    workingColours_[2] = settings_.TextBackgroundColorIndex;
    workingColours_[3] = settings_.TextBorderColorIndex;
    workingPaintByType_ = settings_.PaintByType;
    workingRefreshFrequency_ = settings_.RefreshFrequency;
    workingPaintMode_ = settings_.PaintMode;
    appliedCoverage_ = settings_.WindowCoverage;
    workingLeaveAlone_ = settings_.LeaveAlone;

    speedSlider_.SetRange(1, 10, true);
    speedSlider_.SetPosition(settings_.Speed, true);
    frequencySlider_.SetRange(1, 6, true);
    frequencySlider_.SetPosition(settings_.Frequency, true);

    for (const char* name : kElementNames)
        elementList_.AddString(name);
    for (int row = 0; row < kColourRows; ++row)
        colourList_.AddItem(row);

    elementList_.SetCurrentRow(0);
    OnElementSelChange();
    EnableTitleOptions(settings_.ShowTitle != 0);
    ShowAnimationsNote();
    return true;
}

void COptionsDlg::ShowAnimationsNote() {
    ShowWindow(Item(IDC_ANIMATIONS_OFF), ClientAreaAnimationOn() ? SW_HIDE : SW_SHOW);
}

void COptionsDlg::EnableTitleOptions(bool enable) {
    EnableWindow(Item(IDC_ALIGNMENT), enable);
    EnableWindow(Item(IDC_TITLE_TRANSPARENT), enable);
}

void COptionsDlg::OnShowTitleClicked() {
    EnableTitleOptions(Button(Item(IDC_SHOW_TITLE)).IsChecked());
}

void COptionsDlg::OnElementSelChange() {
    const int element = elementList_.CurrentRow();
    if (element < 0 || element >= kElementCount) {
        ShowProgramMessageBox("Unknown type");
        colourList_.SetCurrentRow(0);
        return;
    }
    // A hand-edited index beyond the list selects no row rather than a wrong one.
    colourList_.SetCurrentRow(workingColours_[element]);
}

void COptionsDlg::OnColourSelChange() {
    const int element = elementList_.CurrentRow();
    if (element < 0 || element >= kElementCount) {
        ShowProgramMessageBox("Unknown type");
        return;
    }
    const int colour = colourList_.CurrentRow();
    if (colour >= 0)
        workingColours_[element] = static_cast<uint16_t>(colour);
}

void COptionsDlg::OnFont() {
    LOGFONTA font{};
    if (HFONT current = settings_.GetTextFont())
        GetObjectA(current, sizeof font, &font);
    // Cancel keeps the font there was: nothing was chosen.
    if (ChooseScreenFont(Handle(), font))
        settings_.SetTextFont(font);
}

void COptionsDlg::OnAdvanced() {
    CAdvancedOptionsDlg advanced;
    advanced.PaintMethod = workingPaintByType_ != 0 ? 1 : 0;
    advanced.RefreshRate = workingRefreshFrequency_;
    advanced.PaintMode = workingPaintMode_;
    if (advanced.DoModal(Handle()) != IDOK)
        return;
    workingPaintByType_ = advanced.PaintMethod != 0 ? 1 : 0;
    workingRefreshFrequency_ = advanced.RefreshRate;
    workingPaintMode_ = KnownPaintMode(advanced.PaintMode);
}

void COptionsDlg::OnLeaveAlone() {
    CLeaveAloneDlg leaveAlone(workingLeaveAlone_);
    if (leaveAlone.DoModal(Handle()) == IDOK)
        workingLeaveAlone_ = leaveAlone.List;
}

void COptionsDlg::OnApply() {
    if (!UpdateData(true))
        return;
    settings_.Speed = static_cast<uint16_t>(speedSlider_.Position());
    settings_.Frequency = static_cast<uint16_t>(frequencySlider_.Position());
    settings_.TitleColorIndex = workingColours_[0];
    settings_.TextColorIndex = workingColours_[1];
    settings_.TextBackgroundColorIndex = workingColours_[2];
    settings_.TextBorderColorIndex = workingColours_[3];

    // Leaving a program alone changes which windows are painted, as another coverage does.
    const bool coverageChanged =
        settings_.WindowCoverage != appliedCoverage_ || workingLeaveAlone_ != settings_.LeaveAlone;
    appliedCoverage_ = settings_.WindowCoverage;
    settings_.LeaveAlone = workingLeaveAlone_;
    const bool methodChanged = workingPaintByType_ != settings_.PaintByType;
    const bool refreshRateChanged = workingRefreshFrequency_ != settings_.RefreshFrequency;
    const bool paintModeChanged = workingPaintMode_ != settings_.PaintMode;
    settings_.PaintByType = workingPaintByType_;
    settings_.RefreshFrequency = workingRefreshFrequency_;
    settings_.PaintMode = workingPaintMode_;
    owner_.OnOptionsApplied(coverageChanged, methodChanged, refreshRateChanged, paintModeChanged);
}

void COptionsDlg::OnOK() {
    OnApply();
    Dialog::OnOK();
}

bool COptionsDlg::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
    case IDC_SHOW_TITLE:
        if (notifyCode == BN_CLICKED)
            OnShowTitleClicked();
        return true;
    case IDC_ELEMENT_LIST:
        if (notifyCode == LBN_SELCHANGE)
            OnElementSelChange();
        return true;
    case IDC_COLOUR_LIST:
        if (notifyCode == LBN_SELCHANGE)
            OnColourSelChange();
        return true;
    case IDC_FONT:
        OnFont();
        return true;
    case ID_ADVANCED:
        OnAdvanced();
        return true;
    case IDC_LEAVE_ALONE:
        OnLeaveAlone();
        return true;
    case ID_APPLY:
        OnApply();
        return true;
    case ID_HELP:
        ShowHelp(Handle(), kHelpFile, kHelpContext, kOptionsHelpTopic);
        return true;
    default:
        return Dialog::OnCommand(id, notifyCode, control);
    }
}

bool COptionsDlg::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
    if (id != IDC_COLOUR_LIST)
        return false;
    DrawColourRow(item);
    return true;
}

bool COptionsDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
    if (message == WM_SETTINGCHANGE)
        ShowAnimationsNote();
    return false;
}

} // namespace bndx
