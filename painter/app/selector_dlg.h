// Banderix's main window: the lists of foregrounds and backgrounds the user chooses from, the
// tray icon that brings it back, and the owner of the settings, the entries and the painting
// engine for the program's whole life. It hides itself after start-up; only Close ends it.
#pragma once

#include "painter/app/tray_icon.h"
#include "painter/dialogs/options_dlg.h"
#include "painter/paint/paint_engine.h"
#include "painter/sources/backgrounds.h"
#include "painter/sources/folder_watcher.h"
#include "painter/sources/foregrounds.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialog.h"
#include "platform/framework/private_profile_file.h"

#include <memory>
#include <string>
#include <vector>

namespace bndx {

class CSelectorDlg : public Dialog, private ForegroundSelection, private OptionsOwner {
public:
    // Reads every foreground and background of the data folders and the saved settings.
    CSelectorDlg();
    ~CSelectorDlg() override;

    void FillForegroundList();
    void FillBackgroundList();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Close: painting stops, everything is saved and every caption is given back.
    void OnOK() override;
    // Hide (also Enter, Esc and the close box).
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item) override;

private:
    void OnSettingChange(UINT code);
    void OnBackgroundSelChange();
    void OnForegroundSelChange();
    void OnConfigureForeground();
    void OnOptions();
    void OnTrayCallback(LPARAM mouseMessage);
    void OnDestroy();
    void OnDataFolderChanged();
    void SaveSelection();

    int32_t SelectedCount() const override;
    LineSource* SelectedEntry(int32_t n) const override;
    void OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged,
                          bool paintModeChanged) override;

    Button configureButton_;
    ListBox foregroundList_;
    ListBox backgroundList_;
    HICON icon_;
    std::string savedBackground_;

    PrivateProfileFile profile_;
    COptionsDlg options_;
    std::vector<std::string> dataFolders_;
    CBackgroundCollection backgrounds_;
    CForegroundCollection foregrounds_;
    std::unique_ptr<FolderWatcher> watcher_;
    // Made with the window, whose timers and messages it uses.
    std::unique_ptr<PaintEngine> engine_;
    std::unique_ptr<TrayIcon> tray_;
};

} // namespace bndx
