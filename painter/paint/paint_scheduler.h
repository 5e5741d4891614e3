// When captions are repainted and when text scrolls: the refresh timer or the hook, the scroll
// frequency and step timers, and how selection and option changes move between their states.
// Everything the scheduler does to the world goes through SchedulerHost, so that a simulated
// clock and desktop can drive it as window timers and the real desktop do.
#pragma once

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
    virtual void SetHook(bool install) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    // The foreground list: how many rows are selected, and the entry of the n-th selected row.
    virtual int32_t SelectedForegroundCount() const = 0;
    virtual LineSource* SelectedForeground(int32_t n) const = 0;
    // A random number from 0 to below n, the generator seeded from the clock.
    virtual int32_t RandomBelow(int32_t n) = 0;
};

class PaintScheduler {
public:
    explicit PaintScheduler(SchedulerHost& host) : host_(host) {}

    uint32_t GetTimerPeriod(int32_t kind);
    void StartTimer(int32_t kind, bool chooseNewLine = false);
    void StopTimer(int32_t kind);
    bool IsRunning(int32_t kind) const;
    void OnTimer(int32_t id);
    void ChooseForeground();
    void ApplyPaintMethod(bool restartScroll, int32_t change);

    // Called with whether a background was selected before and is now.
    void OnBackgroundSelChange(bool hadBackground, bool hasBackground);
    void OnForegroundSelChange();
    // After the Options dialog stored new values.
    void OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged);
    // Around the modal Options dialog: a changed speed or frequency replays the line at once.
    void OnOptionsClosed(uint32_t stepPeriodBefore, uint32_t frequencyPeriodBefore);
    void OnClose();
    void OnDestroy();

    // The shared state of painting that the renderer reads and writes.
    std::string ScrollText;
    bool Scrolling = false;
    bool ResetScrollPosition = false;
    LineSource* CurrentForeground = nullptr;

private:
    bool IsSelectedForeground(const LineSource* entry) const;

    SchedulerHost& host_;
    int32_t timerHandles_[3] = {-1, -1, -1};
};

} // namespace bndx
