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
    bool hasBackground = true;
    // The front window's caption and the width every line measures on it. At the defaults a
    // line takes four steps: drawn at 4, 2, 0, and run out at -2.
    CaptionRect frontCaption{0, 0, 4, 18};
    int32_t textWidth = 2;

    int refreshes = 0;
    int steps = 0;
    int invalidations = 0;
    int repaintsWithoutText = 0;
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
    // What the engine does on a step: the renderer places the text by the real rules, if it draws
    // any, and the scheduler hears where.
    void PaintScrollStep() override {
        ++steps;
        if (!scheduler->Scrolling() || scheduler->Scroll().Text.empty())
            return;
        const ScrollPlacement placement = PlaceScrollText(scheduler->Scroll(), textWidth, frontCaption);
        if (scheduler->OnScrollPlaced(placement, true) == AfterScroll::kRepaintWithoutText)
            ++repaintsWithoutText;
    }
    void InvalidateAllWindows() override { ++invalidations; }
    bool HasBackground() const override { return hasBackground; }
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
};

} // namespace bndx::test
