#include "painter/app/selector_dlg.h"

#include "common/ui/help.h"
#include "common/ui/one_time_dlg.h"
#include "common/painter_messages.h"
#include "common/settings_location_win32.h"
#include "painter/app/list_refresh.h"
#include "painter/app/list_rows.h"
#include "painter/dialogs/help_topics.h"
#include "painter/settings/selection.h"
#include "painter/sources/data_directory.h"
#include "platform/framework/application.h"
#include "platform/framework/program.h"
#include "resources/painter/resource.h"

namespace bndx {

namespace {

constexpr char kTrayTip[] = "Banderix by Kestrelby Software";
constexpr char kNoneLabel[] = "None";
constexpr char kNoPictureLabel[] = " (picture cannot be read)";
constexpr UINT kNonClientMetricsChanged = SPI_SETNONCLIENTMETRICS;
constexpr uint32_t kColourDepthHint = IDS_256_COLOUR_HINT;
constexpr WPARAM kLeftButtonDown = WM_LBUTTONDOWN;
constexpr WPARAM kRightButtonDown = WM_RBUTTONDOWN;

static_assert(kNonClientMetricsChanged == 42, "the code the settings change handler looks for");

} // namespace

CSelectorDlg::CSelectorDlg()
    : Dialog(IDD_SELECTOR), icon_(LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(IDI_PROGRAM))),
      profile_(SettingsFilePath()), options_(*this), dataFolders_(DataFolders()), backgrounds_(dataFolders_),
      foregrounds_(dataFolders_) {
    savedBackground_ = LoadSelection(profile_, options_.Settings());
}

CSelectorDlg::~CSelectorDlg() = default;

bool CSelectorDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    Application::Current().MainWindow = Handle();
    configureButton_ = Button(Item(IDC_CONFIGURE_FOREGROUND));
    foregroundList_ = ListBox(Item(IDC_FOREGROUND_LIST));
    backgroundList_ = ListBox(Item(IDC_BACKGROUND_LIST));
    const ForegroundSelection& selection = *this;
    engine_ = std::make_unique<PaintEngine>(Handle(), options_.Settings(), selection);

    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    OnSettingChange(kNonClientMetricsChanged);

    FillForegroundList();
    FillBackgroundList();
    ForegroundRows foregroundRows(foregroundList_);
    RestoreForegroundSelection(profile_, foregroundRows);

    tray_ = std::make_unique<TrayIcon>(Handle(), WM_TRAY_CALLBACK, IDI_PROGRAM, kTrayTip);
    tray_->Add();
    watcher_ = std::make_unique<FolderWatcher>(Handle(), dataFolders_, [this] { OnDataFolderChanged(); });

    OnBackgroundSelChange();
    OnForegroundSelChange();

    // Shown by the modal loop first, then gone at once: the program lives in the tray.
    PostMessageA(Handle(), WM_HIDE_SELECTOR, 0, 0);
    engine_->StartPainting();
    return true;
}

void CSelectorDlg::FillForegroundList() {
    foregroundList_.Clear();
    for (int32_t n = 0; n < foregrounds_.GetCount(); ++n) {
        auto* entry = static_cast<CForegroundEntry*>(foregrounds_.GetAt(n));
        const int row = foregroundList_.AddString(entry->Description);
        foregroundList_.SetItemData(row, reinterpret_cast<LPARAM>(entry));
    }
}

void CSelectorDlg::FillBackgroundList() {
    backgroundList_.Clear();
    backgroundList_.AddItem(0);
    bool matched = false;
    for (int32_t n = 0; n < backgrounds_.GetCount(); ++n) {
        auto* entry = static_cast<CBackgroundEntry*>(backgrounds_.GetAt(n));
        const int row = backgroundList_.AddItem(reinterpret_cast<LPARAM>(entry));
        // With duplicate names the last one stays selected.
        if (savedBackground_ == entry->Description) {
            backgroundList_.SetCurrentRow(row);
            matched = true;
        }
    }
    if (!matched && backgrounds_.GetCount() > 0)
        backgroundList_.SetCurrentRow(0);
}

// Called once a data folder has changed and gone quiet: what is new is listed, and a change of
// what is chosen (a file of the user's own taking over a sample's description) reaches the painting.
void CSelectorDlg::OnDataFolderChanged() {
    if (foregrounds_.Rescan() && RefillForegroundList(foregroundList_, [this] { FillForegroundList(); }))
        OnForegroundSelChange();
    if (backgrounds_.Rescan() && RefillBackgroundList(backgroundList_, [this] { FillBackgroundList(); }))
        OnBackgroundSelChange();
}

void CSelectorDlg::OnSettingChange(UINT code) {
    if (code == kNonClientMetricsChanged) {
        engine_->ReadMetrics();
        const CaptionMetricsByDpi& metrics = engine_->State().metricsByDpi;
        backgroundList_.SetRowHeight(metrics.At(metrics.SystemDpi()).captionHeight & 0xFFFF);
    }
    engine_->ReadSystemSettings();
    engine_->ReadColourDepth();
    if (engine_->State().in256ColourMode) {
        COneTimeDlg hint(kColourDepthHint, 0, nullptr, profile_);
        hint.ShowHint(kColourDepthHint);
    }
}

void CSelectorDlg::OnBackgroundSelChange() {
    const int row = backgroundList_.CurrentRow();
    engine_->ChooseBackground(row < 0 ? nullptr : reinterpret_cast<CBackgroundEntry*>(backgroundList_.ItemData(row)));
    SaveSelection();
}

void CSelectorDlg::OnForegroundSelChange() {
    const int32_t selected = SelectedCount();
    const CForegroundEntry* only = selected == 1 ? static_cast<CForegroundEntry*>(SelectedEntry(0)) : nullptr;
    configureButton_.Enable(only && only->IsAddIn);
    engine_->ForegroundsChanged();
    SaveSelection();
}

void CSelectorDlg::OnConfigureForeground() {
    for (int row = 0; row < foregroundList_.Count(); ++row) {
        auto* entry = reinterpret_cast<CForegroundEntry*>(foregroundList_.ItemData(row));
        if (foregroundList_.IsSelected(row) && entry)
            entry->Configure();
    }
}

void CSelectorDlg::OnOptions() {
    engine_->OptionsOpening();
    options_.DoModal(Handle());
    engine_->OptionsClosed();
}

void CSelectorDlg::OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged,
                                    bool paintModeChanged) {
    engine_->OptionsApplied(coverageChanged, methodChanged, refreshRateChanged, paintModeChanged);
}

void CSelectorDlg::SaveSelection() {
    const ForegroundRows foregroundRows(foregroundList_);
    const BackgroundRows backgroundRows(backgroundList_);
    savedBackground_ = bndx::SaveSelection(profile_, foregroundRows, backgroundRows, options_.Settings());
}

void CSelectorDlg::OnOK() {
    SaveSelection();
    engine_->Close();
    EndDialog(IDOK);
}

void CSelectorDlg::OnCancel() {
    ShowWindow(Handle(), SW_HIDE);
}

void CSelectorDlg::OnTrayCallback(LPARAM mouseMessage) {
    if (mouseMessage != kLeftButtonDown && mouseMessage != kRightButtonDown)
        return;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

bool CSelectorDlg::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
    if (id != IDC_BACKGROUND_LIST || !engine_)
        return false;
    if (item.itemID == static_cast<UINT>(-1))
        return true; // an empty list asks only for its focus rectangle
    auto* entry = reinterpret_cast<CBackgroundEntry*>(item.itemData);
    std::string label = entry ? entry->Description : kNoneLabel;
    if (entry && !entry->HasPicture())
        label += kNoPictureLabel;
    DrawBackgroundItem(item, entry, label.c_str(), engine_->State().in256ColourMode);
    return true;
}

void CSelectorDlg::OnDestroy() {
    watcher_.reset();
    engine_->OwnerDestroyed();
    tray_.reset();
}

int32_t CSelectorDlg::SelectedCount() const {
    int32_t selected = 0;
    for (int row = 0; row < foregroundList_.Count(); ++row)
        selected += foregroundList_.IsSelected(row) ? 1 : 0;
    return selected;
}

LineSource* CSelectorDlg::SelectedEntry(int32_t n) const {
    for (int row = 0; row < foregroundList_.Count(); ++row) {
        if (foregroundList_.IsSelected(row) && n-- == 0)
            return reinterpret_cast<CForegroundEntry*>(foregroundList_.ItemData(row));
    }
    return nullptr;
}

bool CSelectorDlg::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
    case IDC_BACKGROUND_LIST:
        if (notifyCode == LBN_SELCHANGE)
            OnBackgroundSelChange();
        return true;
    case IDC_FOREGROUND_LIST:
        if (notifyCode == LBN_SELCHANGE)
            OnForegroundSelChange();
        return true;
    case IDC_CONFIGURE_FOREGROUND:
        OnConfigureForeground();
        return true;
    case IDC_OPTIONS:
        OnOptions();
        return true;
    case ID_ABOUT: {
        Dialog about(IDD_ABOUTBOX);
        about.DoModal(Handle());
        return true;
    }
    case ID_HELP:
        ShowHelp(Handle(), kHelpFile, kHelpContents);
        return true;
    default:
        return Dialog::OnCommand(id, notifyCode, control);
    }
}

bool CSelectorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (engine_ && engine_->OnMessage(message, wParam, lParam))
        return message == WM_TIMER; // the private messages go on to the default handling
    if (tray_ && tray_->OnTaskbarCreated(message))
        return true;
    if (watcher_ && watcher_->OnMessage(message, wParam))
        return true;
    switch (message) {
    case WM_TRAY_CALLBACK:
        OnTrayCallback(lParam);
        return false;
    case WM_HIDE_SELECTOR:
        ShowWindow(Handle(), SW_HIDE);
        return false;
    case WM_SETTINGCHANGE:
        if (engine_)
            OnSettingChange(static_cast<UINT>(wParam));
        return false;
    case WM_ENDSESSION:
        // Windows ends the program without a Close: what Close would save is saved now, so that
        // options applied since the last change of selection survive a shutdown or a logoff.
        if (wParam && engine_)
            SaveSelection();
        return false;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(icon_);
        return true;
    case WM_DESTROY:
        if (engine_)
            OnDestroy();
        return false;
    default:
        return false;
    }
}

} // namespace bndx
