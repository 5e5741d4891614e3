// The paint scheduler on a simulated clock and message loop.
#include "painter/paint/paint_scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace bndx::test {
namespace {

// A foreground that gives its lines in turn.
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

// A clock and window timers for driving the paint scheduler as the real message loop would,
// recording what it asks of the world.
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
    bool captionInFront = true;

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
    std::map<TimerKind, std::vector<uint64_t>> ticks; // when each timer fired
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
        if (!captionInFront)
            return scheduler->PauseScroll();
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
    bool QuietNow() override {
        ++quietQuestions;
        return quiet;
    }
    bool quiet = false;
    int quietQuestions = 0;

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
            ticks[kind].push_back(now);
            scheduler->OnTimer(kind);
        }
        now = end;
    }
    bool Running(TimerKind kind) const { return timers.count(kind) != 0; }
};

class PaintSchedulerTest : public ::testing::Test {
protected:
    PaintSchedulerTest() { host.scheduler = &scheduler; }

    void Select(std::vector<LineSource*> entries) {
        host.selected = std::move(entries);
        scheduler.OnForegroundSelChange();
    }
    uint32_t Period(TimerKind kind) const { return host.timers.at(kind).period; }

    SimulatedSchedulerHost host;
    PaintScheduler scheduler{host};
    ScriptedForeground news{{"Headline one", "Headline two", "Headline three"}};
    ScriptedForeground tips{{"Tip"}};
};

TEST_F(PaintSchedulerTest, UnknownSettingsFallBackWithAMessage) {
    host.settings = {0, 11, 7, kPaintByTimer};
    EXPECT_EQ(scheduler.GetTimerPeriod(TIMER_REFRESH), 250u);
    EXPECT_EQ(scheduler.GetTimerPeriod(TIMER_SCROLL_STEP), 250u);
    EXPECT_EQ(scheduler.GetTimerPeriod(TIMER_SCROLL_FREQUENCY), 60000u);
    EXPECT_EQ(scheduler.GetTimerPeriod(static_cast<TimerKind>(4)), 0u);
    EXPECT_EQ(host.messages, (std::vector<std::string>{"Unrecognized Refresh Speed", "Unrecognized Foreground Speed",
                                                       "Unrecognized Speed", "Unknown Timer Type"}));
}

TEST_F(PaintSchedulerTest, AFrequencyTickDuringACycleKeepsTheLineAndOnlyChangesThePick) {
    host.textWidth = 1000000; // a very long line
    Select({&news, &tips});
    const int stepsBefore = host.steps;
    host.randomPick = 1;
    host.Advance(60000);
    EXPECT_EQ(scheduler.Scroll().Text, "Headline one") << "the long line is not cut short";
    EXPECT_EQ(scheduler.CurrentForeground(), &tips);
    EXPECT_EQ(host.steps - stepsBefore, 60000 / 25) << "no extra first step for a pick during a cycle";
}

TEST_F(PaintSchedulerTest, ChangingTheSelectionKeepsOrDropsTheRunningCycleAndSelectingAgainStartsOne) {
    host.textWidth = 1000;
    Select({&news});
    const int refreshes = host.refreshes;
    Select({&tips, &news});
    EXPECT_EQ(scheduler.Scroll().Text, "Headline one") << "the scrolling foreground is still selected";
    EXPECT_EQ(host.refreshes, refreshes);
    Select({});
    EXPECT_EQ(scheduler.CurrentForeground(), nullptr);
    EXPECT_FALSE(host.Running(TIMER_SCROLL_FREQUENCY));
    EXPECT_EQ(host.invalidations, 1) << "every caption goes back to the system's";
    Select({&tips});
    EXPECT_EQ(scheduler.Scroll().Text, "Tip") << "selecting one again starts a cycle at once";
}

// Only the first cycle starts at the caption's start; every later one where the last one ended,
// which on a narrower caption lies beyond its end.
TEST_F(PaintSchedulerTest, SelectingStartsACycleAtOnceAndARunOutEndsItOnlyOnceTheStepTimerRuns) {
    host.frontCaption.right = 10;
    Select({&news});
    EXPECT_EQ(scheduler.CurrentForeground(), &news);
    EXPECT_EQ(scheduler.Scroll().Text, "Headline one");
    EXPECT_EQ(host.steps, 1) << "drawn before any period has passed";
    EXPECT_EQ(scheduler.Scroll().Position, 10 - 2) << "drawn at the caption's start, then moved";
    host.Advance(25 * 6); // drawn at 8, 6, 4, 2 and 0; run out at -2
    ASSERT_FALSE(scheduler.Scrolling());
    EXPECT_TRUE(host.Running(TIMER_SCROLL_FREQUENCY)) << "waiting for the next cycle";
    EXPECT_EQ(host.repaintsWithoutText, 1);
    EXPECT_EQ(scheduler.Scroll().Position, 10) << "left at the start of the caption it ended on";

    host.frontCaption.right = 4; // a narrower window comes to the front
    host.hasBackground = false;
    host.Advance(60000 - 25 * 6);
    EXPECT_EQ(scheduler.Scroll().Text, "Headline two");
    EXPECT_TRUE(scheduler.Scrolling()) << "the run-out at the first step, before the step timer ran, ends nothing";
    EXPECT_TRUE(host.Running(TIMER_SCROLL_STEP));
    EXPECT_EQ(scheduler.Scroll().Position, 4) << "only put back to this caption's start";
    EXPECT_EQ(host.invalidations, 1) << "without a background the system redraws every caption once";
    host.Advance(25);
    EXPECT_EQ(scheduler.Scroll().Position, 2) << "the line scrolls from the next tick on";

    host.hasBackground = true;
    host.Advance(25 * 3); // drawn at 2 and 0, run out at -2
    ASSERT_FALSE(scheduler.Scrolling());
    host.frontCaption.right = 2;
    scheduler.OnOptionsApplied(false, false, false);
    EXPECT_TRUE(scheduler.Scrolling()) << "the last line replays";
    EXPECT_EQ(scheduler.Scroll().Text, "Headline two") << "no new line";
    host.Advance(25);
    EXPECT_FALSE(scheduler.Scrolling()) << "a replay on a narrower caption ends at its first tick";
    EXPECT_EQ(host.repaintsWithoutText, 3);
    EXPECT_EQ(scheduler.Scroll().Position, 2);
}

TEST_F(PaintSchedulerTest, WithNoCaptionInFrontTheStepTimerRestsAndTheCycleGoesOnWhereItStood) {
    host.frontCaption.right = 10;
    Select({&news});
    host.Advance(25); // at 8, then 6
    host.captionInFront = false;
    host.Advance(25);
    EXPECT_FALSE(host.Running(TIMER_SCROLL_STEP));
    const int steps = host.steps;
    host.Advance(1000);
    EXPECT_EQ(host.steps, steps) << "no steps while nothing in front can show them";
    host.captionInFront = true;
    scheduler.ResumeScroll();
    host.Advance(25);
    EXPECT_EQ(scheduler.Scroll().Position, 4) << "drawn at 6 and moved on";
    host.Advance(25 * 4); // drawn at 4, 2 and 0; run out at -2
    ASSERT_FALSE(scheduler.Scrolling());
    scheduler.ResumeScroll();
    EXPECT_FALSE(scheduler.Scrolling()) << "a cycle that ran out waits for the next frequency tick";
}

// Each timer's tick wakes the program; a period that falls on a step shares its wake-up.
TEST_F(PaintSchedulerTest, ACycleStartedBetweenTwoPeriodsHasTheNextPeriodsFallOnItsSteps) {
    scheduler.OnBackgroundSelChange(false, true);
    host.Advance(37);
    host.textWidth = 400; // a cycle of seconds
    Select({&news});
    ASSERT_TRUE(scheduler.Scrolling());
    const int refreshes = host.refreshes;
    host.ticks.clear();
    host.Advance(1000);
    EXPECT_EQ(host.refreshes - refreshes, 10) << "one pass a period, none more";
    const std::vector<uint64_t>& steps = host.ticks[TIMER_SCROLL_STEP];
    for (const uint64_t period : host.ticks[TIMER_REFRESH])
        EXPECT_NE(std::find(steps.begin(), steps.end(), period), steps.end()) << "a period at " << period;

    host.settings.RefreshFrequency = 7;
    host.Advance(60000 - 1000);
    EXPECT_TRUE(host.messages.empty()) << "an unknown rate's message comes only where it starts the timer";
}

TEST_F(PaintSchedulerTest, ANewSpeedRestartsTheStepTimerButABlankLineIsNeverReplayed) {
    Select({&news});
    host.settings.Speed = 1;
    scheduler.OnOptionsClosed(Period(TIMER_SCROLL_STEP), Period(TIMER_SCROLL_FREQUENCY)); // the periods before
    EXPECT_EQ(Period(TIMER_SCROLL_STEP), 500u) << "a changed speed restarts the step timer";

    ScriptedForeground blanks{{"   ", "Real news"}};
    const int steps = host.steps;
    Select({&blanks});
    EXPECT_FALSE(host.Running(TIMER_SCROLL_STEP)) << "a blank line ends its cycle at once";
    scheduler.ApplyPaintMethod(true, kChangedNothing);
    EXPECT_FALSE(scheduler.Scrolling()) << "nor is a blank line replayed";
    EXPECT_EQ(host.steps, steps);
    host.Advance(60000);
    EXPECT_EQ(scheduler.Scroll().Text, "Real news") << "the next tick picks again";
    EXPECT_TRUE(scheduler.Scrolling());
}

TEST_F(PaintSchedulerTest, TheBackgroundSelectionAndTheOptionsStartAndStopTheRepaintMethod) {
    host.settings.PaintByType = kPaintByTimer;
    scheduler.OnBackgroundSelChange(false, true);
    EXPECT_EQ(Period(TIMER_REFRESH), 100u);
    scheduler.OnBackgroundSelChange(true, false);
    EXPECT_FALSE(host.Running(TIMER_REFRESH));
    EXPECT_EQ(host.invalidations, 1);

    // And now without a background.
    scheduler.OnOptionsApplied(false, true, false);
    EXPECT_TRUE(host.Running(TIMER_REFRESH));
    host.settings.PaintByType = kPaintByHook;
    scheduler.OnOptionsApplied(true, true, false);
    EXPECT_TRUE(host.hooked);
    EXPECT_FALSE(host.Running(TIMER_REFRESH));
    EXPECT_EQ(host.invalidations, 2) << "a coverage change hands every caption back first";
    scheduler.OnOptionsApplied(false, false, true);
    EXPECT_TRUE(host.Running(TIMER_REFRESH)) << "a refresh-rate change restarts the timer, hooked or not";
    scheduler.OnClose();
    EXPECT_FALSE(host.hooked);
    scheduler.OnDestroy();
    EXPECT_TRUE(host.timers.empty());
}

// Animations off end the running cycle and start none; high contrast or a locked session stop
// everything and hand the captions back, and whatever changed meanwhile takes effect when
// painting may go on, without a scroll at once. "Do not disturb" holds back a cycle's start.
TEST_F(PaintSchedulerTest, WhatTheSystemAllowsStopsAndResumesPaintingAndScrolling) {
    host.textWidth = 1000;
    scheduler.OnBackgroundSelChange(false, true);
    Select({&news});
    ASSERT_TRUE(scheduler.Scrolling());
    const int refreshes = host.refreshes;
    scheduler.OnPermissionChanged({true, false});
    EXPECT_FALSE(scheduler.Scrolling());
    EXPECT_EQ(host.refreshes, refreshes + 1) << "the title where the text stood";
    host.Advance(60000);
    EXPECT_FALSE(scheduler.Scrolling()) << "a frequency tick starts no cycle";
    EXPECT_TRUE(host.Running(TIMER_REFRESH)) << "backgrounds are still painted";
    scheduler.OnPermissionChanged({true, true});
    host.Advance(60000);
    EXPECT_EQ(scheduler.Scroll().Text, "Headline two") << "the next cycle scrolls; no line was taken meanwhile";

    scheduler.OnPermissionChanged({false, false});
    EXPECT_TRUE(host.timers.empty());
    EXPECT_EQ(host.invalidations, 1) << "every caption goes back to the system";
    Select({&tips});
    scheduler.OnOptionsApplied(false, true, false);
    EXPECT_TRUE(host.timers.empty()) << "nothing starts meanwhile";
    scheduler.OnPermissionChanged({true, true});
    EXPECT_TRUE(host.Running(TIMER_REFRESH));
    EXPECT_FALSE(scheduler.Scrolling()) << "no scroll greets the user back";
    host.Advance(60000);
    EXPECT_EQ(scheduler.Scroll().Text, "Tip");

    // "Do not disturb" holds each new cycle back until a tick finds the user willing again.
    Select({});
    host.quiet = true;
    Select({&news});
    EXPECT_FALSE(scheduler.Scrolling());
    const int questions = host.quietQuestions;
    host.quiet = false;
    host.Advance(60000 + 25 * 10);
    EXPECT_EQ(scheduler.Scroll().Text, "Headline three") << "the line held back scrolls at the next tick";
    EXPECT_EQ(host.quietQuestions, questions + 1) << "asked at each start, never at a step";
}

// What the user's Windows settings and the session leave Banderix to do.
TEST(SystemRules, EachSettingAndStateGivesItsPaintScrollAndQuiet) {
    // high contrast, animation, on screen -> paint, scroll
    const bool cases[][5] = {{0, 1, 1, 1, 1}, {0, 0, 1, 1, 0}, {1, 1, 1, 0, 0}, {1, 0, 1, 0, 0},
                             {0, 1, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "high contrast " << c[0] << ", animation " << c[1] << ", on screen "
                                        << c[2]);
        const PaintPermission permission = PermissionFor({c[0], c[1], c[2]});
        EXPECT_EQ(permission.paint, c[3]);
        EXPECT_EQ(permission.scroll, c[4]);
    }
    const bool quiet[] = {false, false, true, true, true, false, true, false, false}; // notification states 0 to 8
    for (int32_t state = 0; state < 9; ++state)
        EXPECT_EQ(QuietFor(state), quiet[state]) << "notification state " << state;
    // Locked and disconnected apart: a locked session connected again is still off screen.
    const int32_t changes[] = {7, 2, 1, 8, 4, 5, 3, 9};
    const bool onScreen[] = {false, false, false, true, false, false, true, true};
    SessionState session;
    for (size_t i = 0; i < std::size(changes); ++i) {
        session = AfterSessionChange(session, changes[i]);
        EXPECT_EQ(session.OnScreen(), onScreen[i]) << "after change " << changes[i];
    }
}

} // namespace
} // namespace bndx::test
