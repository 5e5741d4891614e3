// The caption painter's engine as the main window holds it: the state that painting shares, the
// scheduler bound to the main window's timers, the hook module, window selection, the renderer
// and the presenter that puts its compositions on screen. The main window forwards its messages
// and the user's choices here.
#pragma once

#include "painter/overlay/caption_frame.h"
#include "painter/overlay/target_events.h"
#include "painter/paint/caption_presenter.h"
#include "painter/paint/caption_renderer.h"
#include "painter/paint/caption_selection.h"
#include "painter/paint/paint_records.h"
#include "painter/paint/paint_scheduler.h"
#include "painter/paint/system_settings_win32.h"
#include "painter/paint/watched_desktop.h"
#include "painter/paint/win32_desktop.h"
#include "painter/settings/paint_mode.h"
#include "painter/settings/painter_settings.h"
#include "painter/sources/backgrounds.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace bndx {

// The foregrounds selected in the main window's list, in list order.
class ForegroundSelection {
public:
    virtual int32_t SelectedCount() const = 0;
    virtual LineSource* SelectedEntry(int32_t n) const = 0;

protected:
    ~ForegroundSelection() = default;
};

// The one door into painting: the main window says what the user chose and forwards its
// messages; the engine alone changes the state painting shares, so it alone knows what changed.
class PaintEngine : private SchedulerHost, private TargetEventSink {
public:
    // Timers run on owner, which receives WM_TIMER and the private messages.
    PaintEngine(HWND owner, const PainterSettings& settings, const ForegroundSelection& foregrounds);
    ~PaintEngine() override;
    PaintEngine(const PaintEngine&) = delete;
    PaintEngine& operator=(const PaintEngine&) = delete;

    // Reads the caption metrics (at the system's DPI; those at other DPIs follow from them) and
    // the colour depth anew (at start and on a settings change).
    void ReadMetrics();
    void ReadColourDepth();
    // Reads high contrast and the animations setting anew (at start and on a settings change)
    // and lets painting follow what they allow.
    void ReadSystemSettings();

    // Start-up is over: the lists are filled and the first choices made.
    void StartPainting();
    // The user chose a background; none for "None".
    void ChooseBackground(CBackgroundEntry* entry);
    // The selection in the list of foregrounds changed.
    void ForegroundsChanged();
    // Around the modal Options dialog, during which OptionsApplied may come any number of times:
    // a changed speed or frequency replays the line at once when it closes.
    void OptionsOpening();
    void OptionsClosed();
    // The Options dialog stored new values.
    void OptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged, bool paintModeChanged);
    // Painting stops and every caption is given back to the system.
    void Close();
    // The owner window is being destroyed, and its timers with it.
    void OwnerDestroyed();

    // Handles the timers and the private messages of the engine; false for any other message.
    // The caller passes every message on to its ordinary handling all the same.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // One refresh period now, as the refresh timer makes one: every caption of the coverage is
    // looked at, and those whose paint would change (or that no longer show it) are painted.
    void RefreshCaptions() override;
    void SetHook(bool install) override;

    const PainterState& State() const { return state_; }
    const PaintScheduler& Scheduler() const { return scheduler_; }

private:
    SchedulingSettings Settings() const override;
    int32_t SetTimer(TimerKind kind, uint32_t periodMs) override;
    void KillTimer(TimerKind kind) override;
    void PaintScrollStep() override;
    void InvalidateAllWindows() override;
    bool HasBackground() const override;
    void ShowMessage(const std::string& text) override;
    int32_t SelectedForegroundCount() const override;
    LineSource* SelectedForeground(int32_t n) const override;
    int32_t RandomBelow(int32_t n) override;
    bool QuietNow() override;

    // Into or over the caption, as the PaintMode setting and the desktop's composition choose: at
    // start, when the desktop's composition changes and when a new PaintMode is applied.
    void PresentAsChosen();
    // Something the look of every caption follows from changed.
    void LookChanged();
    void PaintPass();
    // Paints the selected captions whatever they show, outside a pass.
    void PaintSelected(HWND foreground, bool scrollStep);
    // Whether the caption now shows our composition or the system's own caption.
    bool DrawCaption(const SelectedCaption& selected, bool scrollStep);
    CaptionFrame FrameOf(const SelectedCaption& selected);
    void ResumeScrollOn(HWND foreground);
    void OnTargetEvent(HWND window, DWORD event) override;
    void OnPaintCaption(HWND window);
    void OnSessionChange(WPARAM change);
    void OnCaptionsUncovered();
    // From now on compositions go to presenter; the one before hands every caption back first.
    void UsePresenter(std::unique_ptr<CaptionPresenter> presenter);

    HWND owner_;
    const PainterSettings& settings_;
    const ForegroundSelection& foregrounds_;
    PainterState state_;
    PaintScheduler scheduler_{*this};
    Win32Desktop desktop_;
    WatchedDesktop watched_{desktop_};
    PaintRecords records_;
    uint64_t generation_ = 0;
    // Between a pass's start and end: a pass asked for meanwhile (from a message box's loop) waits
    // for the next period.
    bool painting_ = false;
    bool desktopComposes_;
    Presentation presentation_ = Presentation::IntoCaption;
    std::unique_ptr<CaptionPresenter> presenter_;
    CaptionRenderer renderer_;
    CaptionSelection selection_;
    SelectedCaptions selected_;     // kept from one pass to the next for its memory
    std::vector<WindowId> painted_; // over the caption, the windows a period painted
    // The last frame asked of the desktop window manager, and what it followed from.
    struct KeptFrame {
        WindowId window = 0;
        ScreenRect rect;
        uint32_t style = 0;
        uint32_t exStyle = 0;
        uint64_t generation = 0;
        CaptionRect byMetrics{};
        CaptionFrame frame{};
    };
    KeptFrame keptFrame_;
    uint32_t stepPeriodBeforeOptions_ = 0;
    uint32_t frequencyPeriodBeforeOptions_ = 0;
    bool uncoveredPassDue_ = false;
    SystemSettings system_;
    SessionState session_;
    SessionNotifications sessionNotifications_;
    // Last, so that its window events stop first.
    TargetEvents events_{*this};
};

} // namespace bndx
