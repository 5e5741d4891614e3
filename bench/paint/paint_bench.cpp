// Times Banderix's painting engine on one desktop of 20 captioned top-level windows, each holding
// two captioned child windows, with a 600x20 background at 24 bits: one repaint pass in coverage
// modes 1 and 0, the system's own redraw of the same windows' frames, one scroll step on the
// front window, and the processor time a resident engine takes over 30 seconds at the default
// settings, at five passes a second and at the heaviest settings, and that of the same message
// loop and timers painting nothing; then the same desktop made by another program, as users have
// it (passes, an overlay following, and resident at the defaults with text scrolling and idle).
// Prints one line of figures per measurement. The other program's desktop over the caption runs in
// a process of its own ("over"); with "count", only the periods whose Wine server requests the run
// script counts, in one mode a process.
#include "bench/paint/bench_windows.h"
#include "common/painter_messages.h"
#include "platform/framework/scoped_gdi.h"
#include "tests/win/desktop.h"
#include "tests/win/paint/engine_host.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace bndx;
using test::EngineHost;
using test::FixedLine;
using test::PumpMessages;

constexpr int32_t kBackgroundWidth = 600;
constexpr int32_t kBackgroundHeight = 20;
using bench::kChildrenEach;
using bench::kTopLevelCount;
using bench::kWindowWidth;
constexpr int kOffscreenHeight = 40; // below the bottom of any caption
constexpr int kRounds = 15;          // rounds of each timing, taken in turn so that load spreads evenly
constexpr int kPassesPerRound = 20;
constexpr int kScrollSteps = 3000;
constexpr DWORD kResidentMs = 30000;
constexpr int kTargetSpans = 3; // of kResidentMs, for the figures with targets (see MeasureResident)
// Counting the Wine server's requests: the time to settle, then the time counted.
constexpr DWORD kCountSettleMs = 1500;
constexpr DWORD kCountedMs = 2000;
// Timers of the idle loop: on the engine's main window, but ids the engine does not handle.
constexpr UINT_PTR kIdleRefreshTimer = 11;
constexpr UINT_PTR kIdleStepTimer = 12;
constexpr char kScrollLine[] =
    "Banderix on the bench: a line of text that scrolls across the caption of the front window";

double Microseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1e6 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// User and kernel time of this process, in microseconds.
double ProcessCpuMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10.0; // 100 ns units
}

// A 600x20 background at 24 bits, a red-to-yellow ramp, written as the editor writes them.
std::string WriteBackground() {
    constexpr DWORD kImageBytes = kBackgroundWidth * kBackgroundHeight * 3;
    const BITMAPINFOHEADER info{
        sizeof(info), kBackgroundWidth, kBackgroundHeight, 1, 24, BI_RGB, kImageBytes, 0, 0, 0, 0};
    std::vector<uint8_t> rows; // bottom-up; a row of 600 pixels needs no padding
    for (int32_t y = 0; y < kBackgroundHeight; ++y)
        for (int32_t x = 0; x < kBackgroundWidth; ++x)
            rows.insert(rows.end(),
                        {0, static_cast<uint8_t>(x * 255 / kBackgroundWidth), static_cast<uint8_t>(255 - y * 4)});
    return test::WriteBackground("BenchRamp", info, {}, rows);
}

// Every label the measurements print starts with this: nothing on the benchmark's own windows,
// "other_" on those of the other program.
const char* g_desktop = "";

// The benchmark's windows, made in this process or by the other program started beside it.
struct BenchDesktop {
    explicit BenchDesktop(bool otherProcess) {
        if (!otherProcess) {
            all = bench::MakeBenchWindows();
        } else if (program.Start(test::TestProgramPath("paint_bench_windows.exe"))) {
            test::WaitFor([this] { return FindOthers() && GetForegroundWindow() == Front(); }, 30000);
        }
        for (HWND window : all)
            if (!GetParent(window))
                topLevel.push_back(window);
        front = Front();
        PumpMessages(500); // let the system finish drawing every frame
    }
    ~BenchDesktop() {
        if (!program.Running()) {
            for (HWND window : topLevel)
                DestroyWindow(window);
            return;
        }
        PostThreadMessageA(GetWindowThreadProcessId(front, nullptr), WM_QUIT, 0, 0);
        if (program.WaitForExit(5000) < 0)
            program.Terminate();
    }
    BenchDesktop(const BenchDesktop&) = delete;
    BenchDesktop& operator=(const BenchDesktop&) = delete;

    // The other program's windows, each top-level window followed by its children: all of them?
    bool FindOthers() {
        all.clear();
        EnumWindows(AddOthers, reinterpret_cast<LPARAM>(this));
        return all.size() == static_cast<size_t>(kTopLevelCount * (1 + kChildrenEach));
    }
    static BOOL CALLBACK AddOthers(HWND window, LPARAM context) {
        auto* self = reinterpret_cast<BenchDesktop*>(context);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (process != self->program.ProcessId() || std::strcmp(name, bench::kWindowClass) != 0)
            return TRUE; // the system's own windows of the process, too
        self->all.push_back(window);
        EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&self->all));
        return TRUE;
    }
    static BOOL CALLBACK AddChild(HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
    }
    // The last top-level window made.
    HWND Front() const {
        char title[64];
        std::snprintf(title, sizeof(title), "Bench window %d of %d", kTopLevelCount, kTopLevelCount);
        return FindWindowA(bench::kWindowClass, title);
    }

    test::Process program;
    std::vector<HWND> topLevel;
    std::vector<HWND> all; // top-level windows and their children
    HWND front = nullptr;
};

void RedrawFrames(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

// Timings of one operation, wall clock and this process's processor time, gathered over rounds.
struct Timing {
    double totalUs = 0;
    double cpuUs = 0;
    int count = 0;
    std::vector<double> roundMeansUs;

    // prepare runs before each operation, outside the timing; processor time is then taken around
    // each operation, otherwise around the whole round.
    void Round(int times, const std::function<void()>& operation, const std::function<void()>& prepare = nullptr) {
        const double roundCpuBefore = ProcessCpuMicroseconds();
        double roundUs = 0;
        for (int n = 0; n < times; ++n) {
            double cpuBefore = 0;
            if (prepare) {
                prepare();
                cpuBefore = ProcessCpuMicroseconds();
            }
            const LONGLONG start = Now();
            operation();
            roundUs += Microseconds(Now() - start);
            if (prepare)
                cpuUs += ProcessCpuMicroseconds() - cpuBefore;
        }
        if (!prepare)
            cpuUs += ProcessCpuMicroseconds() - roundCpuBefore;
        totalUs += roundUs;
        count += times;
        roundMeansUs.push_back(roundUs / times);
        PumpMessages(20); // what the operation left queued is handled outside the timing
    }
    void Print(const char* label, size_t windows) const {
        std::printf("%s%s windows=%zu count=%d mean_us=%.1f round_min_us=%.1f round_max_us=%.1f cpu_us=%.1f\n",
                    g_desktop, label, windows, count, totalUs / count,
                    *std::min_element(roundMeansUs.begin(), roundMeansUs.end()),
                    *std::max_element(roundMeansUs.begin(), roundMeansUs.end()), cpuUs / count);
    }
};

// An off-screen surface as large as any caption of the benchmark's windows.
struct OffscreenSurface {
    ClientDc screen{nullptr};
    MemoryDc dc{screen.Get()};
    ScopedSelect bitmap{dc.Get(), GdiObject(CreateCompatibleBitmap(screen.Get(), kWindowWidth, kOffscreenHeight))};
};

// The colour of a point inside the front window's caption, to see that a pass or a redraw drew.
COLORREF CaptionPixel(const BenchDesktop& desktop) {
    // Right of the title, left of the buttons.
    return GetPixel(WindowDc(desktop.front).Get(), kWindowWidth * 2 / 3, 12);
}

// Repaint passes and the system's redraw of the same frames, taken in turn; a pass leaves alone
// the captions that still show its paint, so mode 0 is also timed right after the system has
// redrawn every frame, when every caption has to be copied again. Mode 0 is also taken apart:
// choosing the windows and their captions alone, drawing the background alone (and at the
// picture's own height, which needs no scaling), composing every caption off-screen (background
// and title) alone, and getting and releasing each window's device context alone.
bool MeasurePasses(const BenchDesktop& desktop, CBackgroundEntry& background) {
    EngineHost host;
    PaintEngine& engine = *host.engine;
    engine.ChooseBackground(&background);
    const Win32Desktop view;
    const int32_t allWindows = kPaintAllWindows;
    SelectedCaptions list;
    const CaptionSelection selection(view, allWindows, engine.State(), host.settings.LeaveAlone);
    CaptionRenderer renderer({engine.Scheduler(), host.settings, engine.State()});
    OffscreenSurface offscreen;

    Timing mode1, system1, mode0, system0, afterRedraw;
    Timing selecting, backgroundOnly, unscaledBackground, composing, windowDcs;
    for (int round = 0; round < kRounds; ++round) {
        host.settings.WindowCoverage = kPaintMainWindows;
        mode1.Round(kPassesPerRound, [&] { engine.RefreshCaptions(); });
        system1.Round(kPassesPerRound, [&] { RedrawFrames(desktop.topLevel); });
        host.settings.WindowCoverage = kPaintAllWindows;
        mode0.Round(kPassesPerRound, [&] { engine.RefreshCaptions(); });
        system0.Round(kPassesPerRound, [&] { RedrawFrames(desktop.all); });
        // Every caption shows the system's drawing again, so the pass must copy every one.
        afterRedraw.Round(
            kPassesPerRound, [&] { engine.RefreshCaptions(); }, [&] { RedrawFrames(desktop.all); });
        selecting.Round(kPassesPerRound, [&] { selection.SelectPass(list); });
        // What a pass paints: the windows it leaves cost nothing further.
        list.erase(std::remove_if(list.begin(), list.end(), [](const SelectedCaption& s) { return !s.paint; }),
                   list.end());
        backgroundOnly.Round(kPassesPerRound, [&] {
            for (const SelectedCaption& selected : list) {
                const CaptionRect& caption = selected.caption;
                const RECT rect{caption.left, caption.top, caption.right, caption.bottom};
                background.Paint(offscreen.dc.Get(), &rect, FALSE);
            }
        });
        unscaledBackground.Round(kPassesPerRound, [&] {
            for (const SelectedCaption& selected : list) {
                const CaptionRect& caption = selected.caption;
                const RECT rect{caption.left, caption.top, caption.right, caption.top + kBackgroundHeight};
                background.Paint(offscreen.dc.Get(), &rect, FALSE);
            }
        });
        composing.Round(kPassesPerRound, [&] {
            renderer.BeginPass(GetForegroundWindow()); // as in a pass: the foreground window is asked for once
            for (const SelectedCaption& c : list)
                renderer.Compose(ToHandle(c.window), c.caption, c.styles, c.dpi, c.title, false);
            renderer.EndPass();
        });
        windowDcs.Round(kPassesPerRound, [&] {
            for (const SelectedCaption& selected : list)
                WindowDc surface(ToHandle(selected.window));
        });
    }
    mode1.Print("pass mode=1", desktop.topLevel.size());
    system1.Print("system_redraw mode=1", desktop.topLevel.size());
    mode0.Print("pass mode=0", desktop.all.size());
    system0.Print("system_redraw mode=0", desktop.all.size());
    afterRedraw.Print("pass_after_redraw mode=0", desktop.all.size());
    selecting.Print("part mode=0 stage=selection", list.size());
    backgroundOnly.Print("part mode=0 stage=background", list.size());
    unscaledBackground.Print("part mode=0 stage=background_unscaled", list.size());
    composing.Print("part mode=0 stage=composition", list.size());
    windowDcs.Print("part mode=0 stage=window_dc", list.size());

    RedrawFrames(desktop.all);
    const COLORREF system = CaptionPixel(desktop);
    engine.RefreshCaptions();
    PumpMessages(50);
    const COLORREF ours = CaptionPixel(desktop);
    std::printf("%scheck caption_pixel_system=%06lx caption_pixel_pass=%06lx\n", g_desktop, system, ours);
    return system != ours;
}

void MeasureScrollStep(const BenchDesktop& desktop, CBackgroundEntry& background,
                       int32_t paintMode = kPaintIntoCaption) {
    EngineHost host;
    host.settings.PaintMode = paintMode;
    host.engine->OptionsApplied(false, false, false, true);
    FixedLine line(kScrollLine);
    host.engine->ChooseBackground(&background);
    Timing steps;
    int cycles = 0;
    // Every operation is one step: the first of a cycle is drawn as the cycle starts.
    for (int round = 0; round < kRounds; ++round)
        steps.Round(kScrollSteps / kRounds, [&] {
            if (host.engine->Scheduler().Scrolling()) {
                host.Step();
                return;
            }
            host.StartScroll(line);
            ++cycles;
        });
    steps.Print(paintMode == kPaintOverCaption ? "scroll_step_over" : "scroll_step", 1);
    std::printf("%sscroll_cycles front_is_foreground=%d cycles_started=%d\n", g_desktop,
                GetForegroundWindow() == desktop.front, cycles);
}

struct OverlaySearch {
    HWND target;
    HWND found;
};

BOOL CALLBACK FindOverlay(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<OverlaySearch*>(context);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, kOverlayWindowClass) == 0 && GetWindow(window, GW_OWNER) == search->target)
        search->found = window;
    return TRUE;
}

HWND OverlayOf(HWND target) {
    OverlaySearch search{target, nullptr};
    EnumWindows(FindOverlay, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Over the caption: a mode 0 pass, once every overlay shows its picture, and how long an overlay
// takes to follow its target when the target moves (the overlays look at their targets every
// 100 ms where no window events arrive, as under Wine).
void MeasureOverCaption(const BenchDesktop& desktop, CBackgroundEntry& background) {
    EngineHost host;
    host.settings.PaintMode = kPaintOverCaption;
    host.engine->OptionsApplied(false, false, false, true);
    host.engine->ChooseBackground(&background);
    PumpMessages(500);
    Timing passes;
    for (int round = 0; round < kRounds; ++round)
        passes.Round(kPassesPerRound, [&] { host.engine->RefreshCaptions(); });
    passes.Print("pass_over mode=0", desktop.all.size());

    const HWND overlay = OverlayOf(desktop.front);
    constexpr int kMoves = 20;
    double totalMs = 0, worstMs = 0;
    int followed = 0;
    for (int move = 0; move < kMoves; ++move) {
        RECT target, before;
        GetWindowRect(desktop.front, &target);
        GetWindowRect(overlay, &before);
        const int dx = move % 2 ? -7 : 7;
        SetWindowPos(desktop.front, nullptr, target.left + dx, target.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const LONGLONG start = Now();
        RECT now = before;
        while (now.left == before.left && Microseconds(Now() - start) < 1e6) {
            PumpMessages(1);
            GetWindowRect(overlay, &now);
        }
        const double ms = Microseconds(Now() - start) / 1000;
        if (now.left == before.left + dx) {
            ++followed;
            totalMs += ms;
            worstMs = std::max(worstMs, ms);
        }
    }
    std::printf("%sfollow_over moves=%d followed=%d mean_ms=%.1f max_ms=%.1f\n", g_desktop, kMoves, followed,
                followed ? totalMs / followed : 0.0, worstMs);
}

// Messages one at a time for the given time, calling afterEach after every one: when passes
// take longer than the timer's period, a timer message is always due and the queue never runs dry.
void RunMessageLoop(const std::function<void()>& afterEach, DWORD forMs = kResidentMs) {
    const LONGLONG start = Now();
    for (double elapsedMs = 0; elapsedMs < forMs; elapsedMs = Microseconds(Now() - start) / 1000) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(forMs - elapsedMs) + 1, QS_ALLINPUT);
        }
        afterEach();
    }
}

// The engine as Banderix runs it at the defaults but for the given settings: timer method, the
// background selected, painting started, and one foreground selected if scrolling.
void StartResident(EngineHost& host, uint16_t refreshFrequency, uint16_t speed, CBackgroundEntry& background,
                   int32_t paintMode, FixedLine* scrolling) {
    host.settings.PaintMode = paintMode;
    host.settings.RefreshFrequency = refreshFrequency;
    host.settings.Speed = speed;
    host.engine->OptionsApplied(false, false, false, true);
    host.engine->StartPainting();
    host.engine->ChooseBackground(&background);
    if (scrolling) {
        host.foregrounds.entries = {scrolling};
        host.engine->ForegroundsChanged();
    }
}

// What a resident program costs is what it costs once it has settled: over the caption the
// overlays appear one by one at the start, each a moment of the overlay thread's, which is a
// cost of the start, not of every second. The message loop runs until no more come.
void SettleResident() {
    constexpr DWORD kStepMs = 500;
    constexpr int kMostSteps = 60;
    int before = test::ShownWindowsOfClass(kOverlayWindowClass);
    for (int step = 0; step < kMostSteps; ++step) {
        RunMessageLoop([] {}, kStepMs);
        const int now = test::ShownWindowsOfClass(kOverlayWindowClass);
        if (now == before)
            break;
        before = now;
    }
}

// The engine as Banderix runs it, with real timers and a message loop. When scrolling, one
// foreground's cycle runs on the front window, and when a cycle ends the next starts at once, as a
// frequency tick would start it, so that text scrolls all the time; else nothing scrolls.
// With several spans, each 30 s span is measured on its own and the share printed is their median
// (each is printed too): on this machine two 30 s spans of the same program differ by up to a
// tenth of a core's percent, as much as some targets' margins.
void MeasureResident(const char* label, uint16_t refreshFrequency, uint16_t speed, CBackgroundEntry& background,
                     int32_t paintMode = kPaintIntoCaption, bool scrolling = true, int spans = 1) {
    EngineHost host;
    FixedLine line(kScrollLine);
    StartResident(host, refreshFrequency, speed, background, paintMode, scrolling ? &line : nullptr);
    SettleResident();
    const PaintScheduler& scheduler = host.engine->Scheduler();

    // The run script samples the Wine server and X server here.
    std::printf("resident_begin %s%s\n", g_desktop, label);
    std::fflush(stdout);
    const double cpuBefore = ProcessCpuMicroseconds();
    const LONGLONG start = Now();
    const int ticksBefore[] = {host.timerTicks[TIMER_REFRESH], host.timerTicks[TIMER_SCROLL_STEP]};
    int cycles = 0;
    std::vector<double> percents;
    std::string each;
    for (int span = 0; span < spans; ++span) {
        const double spanCpuBefore = ProcessCpuMicroseconds();
        const LONGLONG spanStart = Now();
        RunMessageLoop([&] {
            if (scrolling && !scheduler.Scrolling()) {
                host.engine->OnMessage(WM_TIMER, TIMER_SCROLL_FREQUENCY, 0); // as a frequency tick
                ++cycles;
            }
        });
        percents.push_back(100 * (ProcessCpuMicroseconds() - spanCpuBefore) / Microseconds(Now() - spanStart));
        char text[16];
        std::snprintf(text, sizeof(text), "%s%.2f", each.empty() ? "" : "/", percents.back());
        each += text;
    }
    const double wallUs = Microseconds(Now() - start);
    const double cpuUs = ProcessCpuMicroseconds() - cpuBefore;
    const double seconds = wallUs / 1e6;
    std::nth_element(percents.begin(), percents.begin() + spans / 2, percents.end());
    std::printf("resident %s%s refresh_frequency=%u speed=%u coverage=%d seconds=%.1f cpu_ms=%.0f cpu_percent=%.2f "
                "cpu_percent_spans=%s passes_per_s=%.1f steps_per_s=%.1f cycles_started=%d\n",
                g_desktop, label, host.settings.RefreshFrequency, speed, host.settings.WindowCoverage, seconds,
                cpuUs / 1000, percents[static_cast<size_t>(spans / 2)], each.c_str(),
                (host.timerTicks[TIMER_REFRESH] - ticksBefore[0]) / seconds,
                (host.timerTicks[TIMER_SCROLL_STEP] - ticksBefore[1]) / seconds, cycles);
    std::fflush(stdout);
}

// The same loop and the same two timer periods as the defaults with nothing painted: what the
// message loop and the timers alone cost a resident program here.
void MeasureIdleLoop() {
    EngineHost host;
    ::SetTimer(host.Window(), kIdleRefreshTimer, 100, nullptr);
    ::SetTimer(host.Window(), kIdleStepTimer, 25, nullptr);
    std::printf("resident_begin timers_only\n");
    std::fflush(stdout);
    const double cpuBefore = ProcessCpuMicroseconds();
    const LONGLONG start = Now();
    RunMessageLoop([] {});
    const double wallUs = Microseconds(Now() - start);
    const double cpuUs = ProcessCpuMicroseconds() - cpuBefore;
    const double seconds = wallUs / 1e6;
    ::KillTimer(host.Window(), kIdleRefreshTimer);
    ::KillTimer(host.Window(), kIdleStepTimer);
    std::printf("resident timers_only refresh_frequency=5 speed=9 coverage=0 seconds=%.1f cpu_ms=%.0f cpu_percent=%.2f "
                "passes_per_s=%.1f steps_per_s=%.1f cycles_started=0\n",
                seconds, cpuUs / 1000, 100 * cpuUs / wallUs, host.timerTicks[kIdleRefreshTimer] / seconds,
                host.timerTicks[kIdleStepTimer] / seconds);
    std::fflush(stdout);
}

// The Wine server's requests over an unchanged desktop of the other program, at the defaults
// with nothing scrolling, in one mode: into or over the caption, or with no background chosen
// (no passes: what the rest of the desktop asks meanwhile). Once the engine has settled, two
// markers (requests the trace shows by name) enclose a time of passes, whose number is printed.
// The run script counts the requests the trace holds between the markers, whoever made them.
int CountRequests(CBackgroundEntry& background, const char* mode) {
    const int32_t paintMode = std::strcmp(mode, "into") == 0   ? int32_t{kPaintIntoCaption}
                              : std::strcmp(mode, "over") == 0 ? int32_t{kPaintOverCaption}
                                                               : -1;
    g_desktop = "other_";
    BenchDesktop desktop(true);
    if (GetForegroundWindow() != desktop.front)
        return 1;
    EngineHost host;
    if (paintMode >= 0)
        StartResident(host, 5, 9, background, paintMode, nullptr);
    SettleResident();
    RunMessageLoop([] {}, kCountSettleMs);
    const int passesBefore = host.timerTicks[TIMER_REFRESH];
    char marker[64];
    std::snprintf(marker, sizeof(marker), "bndx-count-begin-%s", mode);
    GlobalFindAtomA(marker);
    RunMessageLoop([] {}, kCountedMs);
    std::snprintf(marker, sizeof(marker), "bndx-count-end-%s", mode);
    GlobalFindAtomA(marker);
    std::printf("count mode=%s windows=%zu passes=%d\n", mode, desktop.all.size(),
                host.timerTicks[TIMER_REFRESH] - passesBefore);
    std::fflush(stdout);
    return 0;
}

// The other program's desktop as a user of one paint mode has it: Banderix starts in the mode
// and stays in it. Each mode has a process of its own, apart from the benchmark's own desktop,
// because under Wine a process keeps what it used of other windows: one that has painted into
// other programs' captions keeps their window DCs in its cache, and every later move of a
// window of its own (an overlay) looks at each of those windows again; one that has made and
// destroyed the benchmark's own windows and overlays gets window DCs more slowly afterwards.
bool MeasureOtherProgram(CBackgroundEntry& background, int32_t paintMode) {
    g_desktop = "other_";
    BenchDesktop desktop(true);
    if (GetForegroundWindow() != desktop.front) {
        std::fprintf(stderr, "paint_bench: the other program's front window did not become the foreground\n");
        return false;
    }
    if (paintMode == kPaintIntoCaption) {
        MeasurePasses(desktop, background); // what it checks holds only where this process can read its captions
        MeasureResident("defaults", 5, 9, background, kPaintIntoCaption, true, kTargetSpans);
        MeasureResident("idle", 5, 9, background, kPaintIntoCaption, false, kTargetSpans);
    } else {
        MeasureOverCaption(desktop, background);
        MeasureResident("over_defaults", 5, 9, background, kPaintOverCaption, true, kTargetSpans);
        MeasureResident("over_idle", 5, 9, background, kPaintOverCaption, false, kTargetSpans);
    }
    return true;
}

} // namespace

// With no argument: the benchmark's own desktop. With "into" or "over": the other program's
// desktop in that mode. With "count" and a mode ("into", "over" or "none"): only the requests
// counted (see CountRequests).
int main(int argc, char** argv) {
    const std::string backgroundPath = WriteBackground();
    CBackgroundEntry background(backgroundPath.c_str());
    DeleteFileA(backgroundPath.c_str());
    if (argc > 2 && std::strcmp(argv[1], "count") == 0)
        return CountRequests(background, argv[2]);
    if (argc > 1 && (std::strcmp(argv[1], "into") == 0 || std::strcmp(argv[1], "over") == 0)) {
        const bool measured = MeasureOtherProgram(
            background, std::strcmp(argv[1], "into") == 0 ? int32_t{kPaintIntoCaption} : int32_t{kPaintOverCaption});
        std::printf("total cpu_ms=%.0f\n", ProcessCpuMicroseconds() / 1000);
        return measured ? 0 : 1;
    }
    bool drew = false;
    {
        BenchDesktop desktop(false);
        if (GetForegroundWindow() != desktop.front) {
            std::fprintf(stderr, "paint_bench: the front window did not become the foreground window\n");
            return 1;
        }
        drew = MeasurePasses(desktop, background);
        MeasureScrollStep(desktop, background);
        MeasureOverCaption(desktop, background);
        MeasureScrollStep(desktop, background, kPaintOverCaption);
        MeasureResident("defaults", 5, 9, background);
        MeasureResident("over_defaults", 5, 9, background, kPaintOverCaption);
        MeasureResident("five_a_second", 4, 9, background);
        MeasureResident("heaviest", 5, 10, background);
        MeasureIdleLoop();
    }
    std::printf("total cpu_ms=%.0f\n", ProcessCpuMicroseconds() / 1000);
    if (!drew)
        std::fprintf(stderr, "paint_bench: a pass and the system's redraw left the same caption colour\n");
    return drew ? 0 : 1;
}
