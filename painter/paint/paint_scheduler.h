// When captions are repainted and when text scrolls: the refresh timer or the hook, the scroll
// frequency and step timers, and how selection and option changes move between their states.
// Everything the scheduler does to the world goes through SchedulerHost, so that a simulated
// clock and desktop can drive it as window timers and the real desktop do.
#pragma once

#include "common/caption_geometry.h"
#include "painter/paint/system_rules.h"
#include "painter/sources/line_source.h"

#include <cstdint>
#include <string>

namespace bndx {

// Timer ids; each is also the kind GetTimerPeriod takes.
enum TimerKind : int32_t {
    TIMER_REFRESH = 1,          // repaint every covered caption
    TIMER_SCROLL_STEP = 2,      // move the scrolling text one step
    TIMER_SCROLL_FREQUENCY = 3, // start a new scroll cycle
};

// Values of the PaintByType setting.
enum PaintMethod : int32_t { kPaintByHook = 0, kPaintByTimer = 1 };

// What ApplyPaintMethod is told changed in the options.
enum PaintMethodChange : int32_t {
    kChangedToHook = 0,
    kChangedToTimer = 1,
    kChangedRefreshRate = 2,
    kChangedNothing = -1,
};

// The scrolling text as the scheduler keeps it; only the scheduler changes it.
struct ScrollState {
    // The line of the current cycle, its leading white space removed; kept after the cycle ends.
    std::string Text;
    // Left end of the text, in the whole-window coordinates of whichever window is painted: one
    // value for the program, so the text goes on where it was on a new front window.
    int32_t Position = 0;
    // The next drawing of the text starts it at the caption's start, as the first of all does.
    bool ResetPosition = true;
};

// Where the renderer put the scrolling text on a caption.
struct ScrollPlacement {
    // The text has run out on this caption (its right end reached x = 0, or it starts beyond the
    // caption's width): nothing was drawn.
    bool ranOut;
    // Where the text was drawn; after a run-out, where a scroll starts on this caption.
    int32_t position;
};

// Places a text textWidth wide on a caption by the scroll state.
ScrollPlacement PlaceScrollText(const ScrollState& scroll, int32_t textWidth, const CaptionRect& caption);

// What follows a scroll drawing.
enum class AfterScroll { kDone, kRepaintWithoutText };

struct SchedulingSettings {
    int32_t RefreshFrequency;
    int32_t Speed;
    int32_t Frequency;
    int32_t PaintByType;
};

class SchedulerHost {
public:
    virtual ~SchedulerHost() = default;
    virtual SchedulingSettings Settings() const = 0;
    // Returns a non-negative handle of the started timer, or -1 when it could not start.
    virtual int32_t SetTimer(TimerKind kind, uint32_t periodMs) = 0;
    virtual void KillTimer(TimerKind kind) = 0;
    virtual void RefreshCaptions() = 0;
    // One tick of the scrolling text on the foreground window, if it has a caption.
    virtual void PaintScrollStep() = 0;
    virtual void InvalidateAllWindows() = 0;
    virtual bool HasBackground() const = 0;
    virtual void SetHook(bool install) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // The foreground list: how many rows are selected, and the entry of the n-th selected row.
    virtual int32_t SelectedForegroundCount() const = 0;
    virtual LineSource* SelectedForeground(int32_t n) const = 0;
    // A random number from 0 to below n, the generator seeded from the clock.
    virtual int32_t RandomBelow(int32_t n) = 0;
    // Whether the user asked Windows not to be disturbed; asked as each scroll cycle would start.
    virtual bool QuietNow() = 0;
};

class PaintScheduler {
public:
    explicit PaintScheduler(SchedulerHost& host) : host_(host) {}

    // Any other kind gives 0 after a message.
    uint32_t GetTimerPeriod(TimerKind kind);
    void StartTimer(TimerKind kind, bool chooseNewLine = false);
    void StopTimer(TimerKind kind);
    bool IsRunning(TimerKind kind) const;
    void OnTimer(TimerKind id);
    void ChooseForeground();
    void ApplyPaintMethod(bool restartScroll, PaintMethodChange change);

    // Called with whether a background was selected before and is now.
    void OnBackgroundSelChange(bool hadBackground, bool hasBackground);
    void OnForegroundSelChange();
    // After the Options dialog stored new values.
    void OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged);
    // Around the modal Options dialog: a changed speed or frequency replays the line at once.
    void OnOptionsClosed(uint32_t stepPeriodBefore, uint32_t frequencyPeriodBefore);
    void OnClose();
    void OnDestroy();
    // What the system's settings now allow. Where nothing may be painted the timers stop and every
    // caption goes back to the system until painting is allowed again; where nothing may scroll a
    // running cycle ends and no new one starts.
    void OnPermissionChanged(const PaintPermission& permission);

    // The renderer's report of drawing the scrolling text on the foreground window's caption.
    AfterScroll OnScrollPlaced(const ScrollPlacement& placement, bool scrollStep);
    // A step found no window with a caption in front: the step timer rests until ResumeScroll,
    // called when one is there again, goes on with the cycle where it stood.
    void PauseScroll();
    void ResumeScroll();

    // What the renderer reads.
    const ScrollState& Scroll() const { return scroll_; }
    bool Scrolling() const { return scrolling_; } // the step timer runs
    const LineSource* CurrentForeground() const { return currentForeground_; }
    const PaintPermission& Permission() const { return permission_; }

private:
    bool IsSelectedForeground(const LineSource* entry) const;
    // Starts the frequency timer; its first tick is at once or a period later.
    void StartFrequencyTimer(bool tickNow);
    // Sets the running refresh timer again, at once after the step timer of a new cycle.
    void SetRefreshBesideSteps();

    SchedulerHost& host_;
    ScrollState scroll_;
    bool scrolling_ = false;
    bool paused_ = false;
    LineSource* currentForeground_ = nullptr;
    PaintPermission permission_;
    int32_t timerHandles_[3] = {-1, -1, -1};
};

} // namespace bndx
