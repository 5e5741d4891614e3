#include "painter/paint/paint_scheduler.h"

#include "painter/paint/caption_layout.h"

namespace bndx {

namespace {

constexpr uint32_t kRefreshPeriods[] = {1000, 750, 500, 200, 100};
constexpr uint32_t kStepPeriods[] = {500, 350, 250, 200, 150, 100, 75, 50, 25, 10};
constexpr uint32_t kFrequencyPeriods[] = {60000, 600000, 1200000, 1800000, 2700000, 3600000};

constexpr uint32_t kFallbackRefreshPeriod = 250;
constexpr uint32_t kFallbackStepPeriod = 250;
constexpr uint32_t kFallbackFrequencyPeriod = 60000;

template <size_t N> bool InTable(const uint32_t (&)[N], int32_t setting) {
    return setting >= 1 && setting <= static_cast<int32_t>(N);
}

bool IsKnownKind(TimerKind kind) {
    return kind >= TIMER_REFRESH && kind <= TIMER_SCROLL_FREQUENCY;
}

// The settings read every stored method as the timer or the hook.
PaintMethodChange ChangeTo(int32_t paintByType) {
    return paintByType == kPaintByTimer ? kChangedToTimer : kChangedToHook;
}

} // namespace

ScrollPlacement PlaceScrollText(const ScrollState& scroll, int32_t textWidth, const CaptionRect& caption) {
    const int32_t position = scroll.ResetPosition ? ScrollStart(caption) : scroll.Position;
    if (ScrollHasRunOut(position, textWidth, caption))
        return {true, ScrollStart(caption)};
    return {false, position};
}

uint32_t PaintScheduler::GetTimerPeriod(TimerKind kind) {
    const SchedulingSettings settings = host_.Settings();
    switch (kind) {
    case TIMER_REFRESH:
        if (InTable(kRefreshPeriods, settings.RefreshFrequency))
            return kRefreshPeriods[settings.RefreshFrequency - 1];
        host_.ShowMessage("Unrecognized Refresh Speed");
        return kFallbackRefreshPeriod;
    case TIMER_SCROLL_STEP:
        if (InTable(kStepPeriods, settings.Speed))
            return kStepPeriods[settings.Speed - 1];
        host_.ShowMessage("Unrecognized Foreground Speed");
        return kFallbackStepPeriod;
    case TIMER_SCROLL_FREQUENCY:
        if (InTable(kFrequencyPeriods, settings.Frequency))
            return kFrequencyPeriods[settings.Frequency - 1];
        host_.ShowMessage("Unrecognized Speed");
        return kFallbackFrequencyPeriod;
    default:
        host_.ShowMessage("Unknown Timer Type");
        return 0;
    }
}

bool PaintScheduler::IsRunning(TimerKind kind) const {
    return IsKnownKind(kind) && timerHandles_[kind - 1] != -1;
}

void PaintScheduler::StartTimer(TimerKind kind, bool chooseNewLine) {
    if (!IsKnownKind(kind) || !permission_.paint)
        return;
    int32_t& handle = timerHandles_[kind - 1];
    switch (kind) {
    case TIMER_REFRESH:
        if (handle != -1)
            return;
        host_.RefreshCaptions(); // the first pass at once, not a period later
        handle = host_.SetTimer(kind, GetTimerPeriod(kind));
        return;
    case TIMER_SCROLL_STEP:
        paused_ = false;
        if (!currentForeground_) {
            scroll_.Text.clear();
            return;
        }
        if (handle != -1)
            return;
        // Animations off or "do not disturb": no cycle, and no line taken, until a later tick.
        if (!permission_.scroll || host_.QuietNow())
            return;
        if (chooseNewLine) {
            const char* line = currentForeground_->GetNextLine();
            scroll_.Text = line ? line : "";
            StripLeadingWhiteSpace(scroll_.Text);
        }
        // A line with nothing to show would never run out: its cycle ends before it starts, so
        // that the next frequency tick picks again.
        if (scroll_.Text.empty())
            return;
        scrolling_ = true;
        if (chooseNewLine)
            host_.PaintScrollStep(); // the first step at once, while the step timer is not yet running
        handle = host_.SetTimer(kind, GetTimerPeriod(kind));
        if (chooseNewLine && handle != -1)
            SetRefreshBesideSteps();
        return;
    case TIMER_SCROLL_FREQUENCY:
        if (handle == -1)
            StartFrequencyTimer(true);
        return;
    }
}

void PaintScheduler::StartFrequencyTimer(bool tickNow) {
    scroll_.ResetPosition = true;
    if (tickNow)
        OnTimer(TIMER_SCROLL_FREQUENCY);
    timerHandles_[TIMER_SCROLL_FREQUENCY - 1] =
        host_.SetTimer(TIMER_SCROLL_FREQUENCY, GetTimerPeriod(TIMER_SCROLL_FREQUENCY));
}

// Every wake-up of the program for a timer costs more than the step it brings. Set within the same
// moment, a refresh period that is a multiple of the step period falls on a step, and the two
// ticks come in one wake-up; a cycle's steps run for seconds, so each new cycle sets them so.
// Where the system rounds timers to its own tick anyway, this changes nothing.
void PaintScheduler::SetRefreshBesideSteps() {
    const int32_t setting = host_.Settings().RefreshFrequency;
    if (!IsRunning(TIMER_REFRESH) || !InTable(kRefreshPeriods, setting))
        return; // an unknown rate keeps its timer, without its message again
    const int32_t handle = host_.SetTimer(TIMER_REFRESH, kRefreshPeriods[setting - 1]);
    if (handle != -1)
        timerHandles_[TIMER_REFRESH - 1] = handle;
}

void PaintScheduler::StopTimer(TimerKind kind) {
    if (!IsRunning(kind))
        return;
    if (kind == TIMER_SCROLL_STEP)
        scrolling_ = false;
    host_.KillTimer(kind);
    timerHandles_[kind - 1] = -1;
    if (kind == TIMER_SCROLL_FREQUENCY)
        StopTimer(TIMER_SCROLL_STEP);
}

AfterScroll PaintScheduler::OnScrollPlaced(const ScrollPlacement& placement, bool scrollStep) {
    scroll_.ResetPosition = false;
    if (!placement.ranOut) {
        scroll_.Position = scrollStep ? placement.position - kScrollStepPixels : placement.position;
        return AfterScroll::kDone; // only scroll ticks move the text
    }
    scroll_.Position = placement.position;
    // At the first step of a cycle the step timer does not run yet: the cycle goes on from the
    // caption's start at the next tick.
    StopTimer(TIMER_SCROLL_STEP);
    if (!host_.HasBackground()) {
        host_.InvalidateAllWindows(); // the system redraws every caption its own way
        return AfterScroll::kDone;
    }
    return scrolling_ ? AfterScroll::kDone : AfterScroll::kRepaintWithoutText;
}

void PaintScheduler::PauseScroll() {
    if (!scrolling_)
        return;
    StopTimer(TIMER_SCROLL_STEP);
    paused_ = true;
}

void PaintScheduler::ResumeScroll() {
    if (paused_)
        StartTimer(TIMER_SCROLL_STEP, false);
}

void PaintScheduler::OnTimer(TimerKind id) {
    switch (id) {
    case TIMER_REFRESH:
        host_.RefreshCaptions();
        break;
    case TIMER_SCROLL_STEP:
        host_.PaintScrollStep();
        break;
    case TIMER_SCROLL_FREQUENCY:
        ChooseForeground();
        break;
    default:
        break;
    }
}

void PaintScheduler::ChooseForeground() {
    const int32_t selected = host_.SelectedForegroundCount();
    if (selected <= 0)
        return;
    currentForeground_ = host_.SelectedForeground(host_.RandomBelow(selected));
    StartTimer(TIMER_SCROLL_STEP, true); // a running cycle goes on; only the pick changes
}

void PaintScheduler::ApplyPaintMethod(bool restartScroll, PaintMethodChange change) {
    switch (change) {
    case kChangedToHook:
        StopTimer(TIMER_REFRESH);
        host_.SetHook(true);
        break;
    case kChangedToTimer:
        host_.SetHook(false);
        StartTimer(TIMER_REFRESH);
        break;
    case kChangedRefreshRate:
        StopTimer(TIMER_REFRESH);
        StartTimer(TIMER_REFRESH);
        break;
    case kChangedNothing:
        break;
    }
    if (restartScroll) {
        StopTimer(TIMER_SCROLL_STEP);
        StartTimer(TIMER_SCROLL_STEP, false); // the current line again, from where it stands
    }
}

void PaintScheduler::OnBackgroundSelChange(bool hadBackground, bool hasBackground) {
    const bool byTimer = host_.Settings().PaintByType == kPaintByTimer;
    if (!hadBackground && hasBackground) {
        if (byTimer)
            StartTimer(TIMER_REFRESH);
        else
            host_.SetHook(true);
        host_.RefreshCaptions();
    } else if (hadBackground && !hasBackground) {
        if (byTimer)
            StopTimer(TIMER_REFRESH);
        else
            host_.SetHook(false);
        host_.InvalidateAllWindows();
    } else {
        host_.RefreshCaptions();
    }
}

bool PaintScheduler::IsSelectedForeground(const LineSource* entry) const {
    const int32_t selected = host_.SelectedForegroundCount();
    for (int32_t n = 0; n < selected; ++n)
        if (host_.SelectedForeground(n) == entry)
            return true;
    return false;
}

void PaintScheduler::OnForegroundSelChange() {
    if (currentForeground_ && IsSelectedForeground(currentForeground_))
        return; // the running cycle goes on undisturbed
    currentForeground_ = nullptr;
    StopTimer(TIMER_SCROLL_FREQUENCY);
    if (host_.SelectedForegroundCount() == 0) {
        host_.InvalidateAllWindows();
        return;
    }
    host_.RefreshCaptions();
    StartTimer(TIMER_SCROLL_FREQUENCY);
}

void PaintScheduler::OnOptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged) {
    if (coverageChanged)
        host_.InvalidateAllWindows();
    PaintMethodChange change = kChangedNothing;
    if (methodChanged)
        change = ChangeTo(host_.Settings().PaintByType);
    else if (refreshRateChanged)
        change = kChangedRefreshRate;
    host_.RefreshCaptions();
    ApplyPaintMethod(true, change);
}

void PaintScheduler::OnOptionsClosed(uint32_t stepPeriodBefore, uint32_t frequencyPeriodBefore) {
    if (GetTimerPeriod(TIMER_SCROLL_STEP) != stepPeriodBefore ||
        GetTimerPeriod(TIMER_SCROLL_FREQUENCY) != frequencyPeriodBefore)
        ApplyPaintMethod(true, kChangedNothing);
}

void PaintScheduler::OnClose() {
    if (host_.Settings().PaintByType == kPaintByHook)
        host_.SetHook(false);
    host_.InvalidateAllWindows();
}

void PaintScheduler::OnPermissionChanged(const PaintPermission& permission) {
    const PaintPermission before = permission_;
    permission_ = permission;
    if (before.paint && !permission.paint) {
        StopTimer(TIMER_REFRESH);
        StopTimer(TIMER_SCROLL_FREQUENCY); // and the step timer with it
        host_.InvalidateAllWindows();
    } else if (!before.paint && permission.paint) {
        if (host_.HasBackground() && host_.Settings().PaintByType == kPaintByTimer)
            StartTimer(TIMER_REFRESH); // its first pass at once
        else
            host_.RefreshCaptions();
        // The text waits for its period, as it would have: a user coming back to the screen is
        // not greeted by a scroll.
        if (host_.SelectedForegroundCount() > 0)
            StartFrequencyTimer(false);
    } else if (before.scroll && !permission.scroll && scrolling_) {
        StopTimer(TIMER_SCROLL_STEP);
        host_.RefreshCaptions(); // the title where the text stood
    }
}

void PaintScheduler::OnDestroy() {
    StopTimer(TIMER_REFRESH);
    StopTimer(TIMER_SCROLL_STEP);
    StopTimer(TIMER_SCROLL_FREQUENCY);
}

} // namespace bndx
