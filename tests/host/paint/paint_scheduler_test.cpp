// The paint scheduler on a simulated clock and message loop.
#include "tests/host/paint/simulated_scheduler_host.h"

#include <gtest/gtest.h>

namespace bndx::test {
namespace {

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
    EXPECT_EQ(host.refreshes, 2) << "one at the timer's start, one for the change";
    host.Advance(1000);
    EXPECT_EQ(host.refreshes, 12);
    scheduler.OnBackgroundSelChange(true, false);
    EXPECT_FALSE(host.Running(TIMER_REFRESH));
    EXPECT_EQ(host.invalidations, 1);
    host.settings.PaintByType = kPaintByHook;
    scheduler.OnBackgroundSelChange(false, true);
    EXPECT_TRUE(host.hooked);
    EXPECT_FALSE(host.Running(TIMER_REFRESH));
    scheduler.OnBackgroundSelChange(true, false);
    EXPECT_FALSE(host.hooked);

    const int invalidations = host.invalidations; // and now without a background
    host.settings.PaintByType = kPaintByTimer;
    scheduler.OnOptionsApplied(false, true, false);
    EXPECT_TRUE(host.Running(TIMER_REFRESH));
    host.settings.PaintByType = kPaintByHook;
    scheduler.OnOptionsApplied(true, true, false);
    EXPECT_FALSE(host.Running(TIMER_REFRESH));
    EXPECT_EQ(host.invalidations, invalidations + 1) << "a coverage change hands every caption back first";
    scheduler.OnOptionsApplied(false, false, true);
    EXPECT_TRUE(host.Running(TIMER_REFRESH)) << "a refresh-rate change restarts the timer, hooked or not";
    scheduler.OnClose();
    EXPECT_FALSE(host.hooked);
    scheduler.OnDestroy();
    EXPECT_TRUE(host.timers.empty());
}

} // namespace
} // namespace bndx::test
