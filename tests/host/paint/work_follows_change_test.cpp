// The refresh periods as the engine runs them (watched desktop, selection, paint records) over a
// simulated desktop and presenter: which captions a period paints, which it looks at again, and
// how many questions it asks of the system.
#include "painter/paint/paint_records.h"
#include "tests/host/paint/simulated_desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace bndx::test {
namespace {

using Windows = std::multiset<WindowId>;

// A (in front, over part of B's caption), B, and C far off with a child C1; D hidden.
class Periods {
public:
    explicit Periods(bool into) : records_(into) {
        state_.metricsByDpi.Reset({4, 18, 14}, 96);
        a = desktop.Add({0, kCaptioned, "A", 60, 0, {}, {0, 0, 300, 200}});
        b = desktop.Add({0, kCaptioned, "B", 60, 0, {}, {40, 10, 340, 210}});
        c = desktop.Add({0, kCaptioned, "C", 60, 0, {}, {400, 300, 700, 500}});
        c1 = desktop.Add({c, kCaptioned, "C1", 60, 0, {}, {410, 340, 610, 440}});
        d = desktop.Add({0, style::kDlgFrame, "D", 60, 0, {}, {0, 400, 200, 500}});
        desktop.SetForeground(a);
    }

    // Periods enough for every window's turn of the rotation; what they painted.
    Windows Run(uint64_t periods = WatchedDesktop::kRotation) {
        painted.clear();
        looked.clear();
        handedBack.clear();
        for (uint64_t n = 0; n < periods; ++n) {
            watched.BeginPeriod();
            selection_.SelectPass(selected_);
            records_.Pass(
                selected_, watched, generation,
                [this](const SelectedCaption& caption) {
                    return looked.insert(caption.window), drawnOver.count(caption.window) == 0;
                },
                [this](const SelectedCaption& caption) {
                    (caption.paint ? painted : handedBack).insert(caption.window);
                    return caption.paint;
                },
                [this](WindowId window) { forgotten.insert(window); });
            drawnOver = std::move(drawnOverNext);
            drawnOverNext.clear();
        }
        return painted;
    }
    void Move(WindowId window, int32_t dx) {
        for (WindowId moved : {window, window == c ? c1 : window}) {
            ScreenRect& rect = desktop[moved].rect;
            rect = {rect.left + dx, rect.top, rect.right + dx, rect.bottom};
        }
    }
    void PaintedOutsidePass(WindowId window) {
        SelectedCaption caption{};
        caption.window = window;
        records_.PaintedOutsidePass(caption);
    }

    SimulatedDesktop desktop;
    WatchedDesktop watched{desktop};
    uint64_t generation = 0;
    WindowId a, b, c, c1, d;
    Windows painted, looked, forgotten, handedBack;
    std::set<WindowId> drawnOver;     // the system drew over these captions in the coming period
    std::set<WindowId> drawnOverNext; // and in the period after it

private:
    PainterState state_;
    int32_t coverage_ = kPaintAllWindows;
    LeaveAloneList leaveAlone_;
    CaptionSelection selection_{watched, coverage_, state_, leaveAlone_};
    PaintRecords records_;
    SelectedCaptions selected_;
};

TEST(WorkFollowsChange, AnUnchangedDesktopIsPaintedOnceThenLookedAtOnlyInFrontAndInTurn) {
    for (const bool into : {true, false}) {
        SCOPED_TRACE(into ? "into the caption" : "over the caption");
        Periods periods(into);
        EXPECT_EQ(periods.Run(1), (Windows{periods.a, periods.b, periods.c, periods.c1}))
            << "the first period after the start";
        periods.desktop.asked = 0;
        EXPECT_EQ(periods.Run(WatchedDesktop::kSlowRotation), Windows{}) << "nothing composed or presented";
        Windows looked = periods.looked;
        for (const WindowId window : {periods.b, periods.c, periods.c1})
            EXPECT_EQ(looked.erase(window), into ? 1u : 0u) << "into the caption, each caption in its turn";
        EXPECT_EQ(looked.size(), WatchedDesktop::kSlowRotation);
        EXPECT_EQ(looked.count(periods.a), looked.size())
            << "and the front caption every period (over the caption, as no window events arrive)";
        // Each period: the listing, the foreground, style and rectangle of the three shown top-level
        // windows, the front's title. In each window's turns: a top-level window's title and
        // descendants (the front's descendants), C1's style, rectangle and title (its descendants
        // are in C's list), hidden D's style and rectangle; in one of them the extended style and
        // client area of each painted window (its DPI is read again only as it moves).
        constexpr int kTurns = WatchedDesktop::kSlowRotation / WatchedDesktop::kRotation;
        EXPECT_EQ(periods.desktop.asked, static_cast<int>(WatchedDesktop::kSlowRotation) * (2 + 2 * 3 + 1) +
                                             kTurns * (1 + 2 * 2 + 3 + 2) + 4 * 2);
    }
}

struct Change {
    const char* name;
    std::function<void(Periods&)> make;
    std::function<Windows(const Periods&)> into;                 // the captions painted again into the caption
    std::function<Windows(const Periods&)> over;                 // and over it
    std::function<Windows(const Periods&)> handedBack = nullptr; // in both, once
};

TEST(WorkFollowsChange, EachChangeCausesWorkForExactlyTheWindowsItConcerns) {
    const auto none = [](const Periods&) { return Windows{}; };
    const auto all = [](const Periods& p) { return Windows{p.a, p.b, p.c, p.c1}; };
    const Change changes[] = {
        {"move", [](Periods& p) { p.Move(p.c, 30); },
         [](const Periods& p) {
             return Windows{p.c, p.c1};
         },
         none},
        {"resize", [](Periods& p) { p.desktop[p.c].rect.right += 40; }, [](const Periods& p) { return Windows{p.c}; },
         [](const Periods& p) { return Windows{p.c}; }},
        {"retitle", [](Periods& p) { p.desktop[p.b].title = "B, retitled"; },
         [](const Periods& p) { return Windows{p.b}; }, [](const Periods& p) { return Windows{p.b}; }},
        {"activation",
         [](Periods& p) {
             p.desktop.Raise(p.b);
             p.desktop.SetForeground(p.b);
         },
         [](const Periods& p) {
             return Windows{p.a, p.b};
         },
         none},
        {"show", [](Periods& p) { p.desktop[p.d].style = kCaptioned; }, [](const Periods& p) { return Windows{p.d}; },
         [](const Periods& p) { return Windows{p.d}; }},
        {"hide", [](Periods& p) { p.desktop[p.c].style = style::kDlgFrame; }, none, none,
         [](const Periods& p) { return Windows{p.c}; }},
        {"new window",
         [](Periods& p) {
             p.desktop.Add({0, kCaptioned, "E", 60, 0, {}, {0, 600, 200, 700}});
         },
         [](const Periods& p) { return Windows{p.c1 + 2}; }, [](const Periods& p) { return Windows{p.c1 + 2}; }},
        {"destroyed window",
         [](Periods& p) {
             p.desktop.Remove(p.c1);
             p.desktop.Remove(p.c);
         },
         none, none},
        {"DPI change", [](Periods& p) { p.desktop[p.c].dpi = 144, p.Move(p.c, 1000); },
         [](const Periods& p) {
             return Windows{p.c, p.c1};
         },
         [](const Periods& p) { return Windows{p.c}; }},
        {"background chosen or options applied", [](Periods& p) { ++p.generation; }, all, all},
        {"scroll step", [](Periods& p) { p.PaintedOutsidePass(p.a); }, [](const Periods& p) { return Windows{p.a}; },
         [](const Periods& p) { return Windows{p.a}; }},
        {"a window moved away uncovers a caption the system redraws a period later",
         [](Periods& p) {
             p.Move(p.a, 800);
             p.drawnOverNext = {p.b};
         },
         [](const Periods& p) {
             return Windows{p.a, p.b};
         },
         none},
    };
    for (const Change& change : changes)
        for (const bool into : {true, false}) {
            SCOPED_TRACE(std::string(change.name) + (into ? ", into the caption" : ", over the caption"));
            Periods periods(into);
            periods.Run();
            change.make(periods);
            EXPECT_EQ(periods.Run(), (into ? change.into : change.over)(periods));
            EXPECT_EQ(periods.handedBack, change.handedBack ? change.handedBack(periods) : Windows{});
        }
}

// The front window's documents are what the user works in: one resized there is painted again in
// the next period, not only in its turn.
TEST(WorkFollowsChange, ADocumentOfTheFrontWindowResizedIsPaintedInTheNextPeriod) {
    for (const bool into : {true, false}) {
        SCOPED_TRACE(into ? "into the caption" : "over the caption");
        Periods periods(into);
        periods.desktop.Raise(periods.c);
        periods.desktop.SetForeground(periods.c);
        periods.Run();
        periods.desktop[periods.c1].rect.right -= 40;
        EXPECT_EQ(periods.Run(1), Windows{periods.c1});
    }
}

// A program with its documents in windows of their own (MDI) raises the one it activates, and the
// system redraws both documents' captions, a little later, with no other change to see.
TEST(WorkFollowsChange, DocumentsOfTheFrontWindowRestackedArePaintedAgainOnceTheSystemRedrewThem) {
    for (const bool into : {true, false}) {
        SCOPED_TRACE(into ? "into the caption" : "over the caption");
        Periods periods(into);
        const WindowId c2 = periods.desktop.Add({periods.c, kCaptioned, "C2", 60, 0, {}, {500, 360, 700, 460}});
        periods.desktop.Raise(periods.c);
        periods.desktop.SetForeground(periods.c);
        periods.Run();
        periods.desktop.Raise(c2);
        periods.drawnOverNext = {periods.c1, c2};
        EXPECT_EQ(periods.Run(3), into ? (Windows{periods.c1, c2}) : Windows{})
            << "over the caption, the overlays lie above what the system redraws";
    }
}

TEST(WorkFollowsChange, OnceReportsArriveOnlyReportedWindowsAreLookedAtOutsideTheirTurn) {
    Periods periods(false);
    periods.watched.TrustReports(true);
    periods.Run();
    periods.desktop.asked = 0;
    EXPECT_EQ(periods.Run(), Windows{});
    // The foreground each period, the listing once, each window's whole look in its turn.
    EXPECT_LE(periods.desktop.asked, static_cast<int>(WatchedDesktop::kRotation) + 1 + 5 * 7);

    periods.desktop[periods.b].rect.right += 40; // unreported: seen in B's turn only
    periods.desktop[periods.c].rect.right += 40;
    periods.watched.Changed(periods.c);
    EXPECT_EQ(periods.Run(1), Windows{periods.c}) << "the reported window, in the next period";
    EXPECT_EQ(periods.Run(), Windows{periods.b});
}

} // namespace
} // namespace bndx::test
