// A clock, window timers and a foreground list for driving the paint scheduler as the real
// message loop would, recording what it asks of the world.
#pragma once

#include "painter/paint/paint_scheduler.h"

#include <map>
#include <vector>

namespace bndx::test {

class ScriptedForeground : public LineSource {
public:
    explicit ScriptedForeground(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    const char* GetNextLine() override {
        current_ = lines_.empty() ? "" : lines_[next_++ % lines_.size()];
        return current_.c_str();
    }

private:
    std::vector<std::string> lines_;
    std::string current_;
    size_t next_ = 0;
};

class SimulatedSchedulerHost : public SchedulerHost {
public:
    SchedulingSettings settings{5, 9, 1, kPaintByTimer};
    std::vector<LineSource*> selected;
    int32_t randomPick = 0;
    // How many scroll steps the current line takes before the renderer reports it has run out;
    // the first step of a cycle may report it at once (a narrower caption).
    int stepsPerLine = 3;
    bool runOutOnNextStep = false;

    int refreshes = 0;
    int steps = 0;
    int invalidations = 0;
    bool hooked = false;
    std::vector<std::string> messages;
    PaintScheduler* scheduler = nullptr;

    struct Timer {
        uint32_t period;
        uint64_t due;
    };
    std::map<TimerKind, Timer> timers;
    uint64_t now = 0;

    SchedulingSettings Settings() const override { return settings; }
    int32_t SetTimer(TimerKind kind, uint32_t periodMs) override {
        timers[kind] = {periodMs, now + periodMs};
        return kind;
    }
    void KillTimer(TimerKind kind) override { timers.erase(kind); }
    void RefreshCaptions() override { ++refreshes; }
    void PaintScrollStep() override {
        ++steps;
        ++stepsThisLine_;
        // What the renderer does when the text has run out: stop the step timer.
        if (runOutOnNextStep || stepsThisLine_ > stepsPerLine) {
            runOutOnNextStep = false;
            stepsThisLine_ = 0;
            if (scheduler->Scrolling)
                scheduler->StopTimer(TIMER_SCROLL_STEP);
        }
    }
    void InvalidateAllWindows() override { ++invalidations; }
    void SetHook(bool install) override { hooked = install; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    int32_t SelectedForegroundCount() const override { return static_cast<int32_t>(selected.size()); }
    LineSource* SelectedForeground(int32_t n) const override { return selected.at(static_cast<size_t>(n)); }
    int32_t RandomBelow(int32_t n) override { return randomPick % n; }

    // Lets time pass, firing every timer that falls due, in order, as the message loop would.
    void Advance(uint64_t milliseconds) {
        const uint64_t end = now + milliseconds;
        for (;;) {
            auto next = timers.end();
            for (auto it = timers.begin(); it != timers.end(); ++it)
                if (it->second.due <= end && (next == timers.end() || it->second.due < next->second.due))
                    next = it;
            if (next == timers.end())
                break;
            const TimerKind kind = next->first;
            now = next->second.due;
            next->second.due += next->second.period;
            scheduler->OnTimer(kind);
        }
        now = end;
    }
    bool Running(TimerKind kind) const { return timers.count(kind) != 0; }

private:
    int stepsThisLine_ = 0;
};

} // namespace bndx::test
