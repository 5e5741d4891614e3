// Times Banderix's painting engine on one desktop of 20 captioned top-level windows, each holding
// two captioned child windows, with a 600x20 background at 24 bits: one repaint pass in coverage
// modes 1 and 0, the system's own redraw of the same windows' frames, one scroll step on the
// front window, and the processor time a resident engine takes over 30 seconds at the default
// settings, at five passes a second and at the heaviest settings, and that of the same message
// loop and timers painting nothing. Prints one line of figures per measurement.
#include "common/painter_messages.h"
#include "platform/framework/scoped_gdi.h"
#include "tests/win/desktop.h"
#include "tests/win/paint/engine_host.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using namespace bndx;
using test::EngineHost;
using test::FixedLine;
using test::PumpMessages;

constexpr int32_t kBackgroundWidth = 600;
constexpr int32_t kBackgroundHeight = 20;
constexpr int kTopLevelCount = 20;
constexpr int kChildrenEach = 2;
constexpr int kWindowWidth = 500;
constexpr int kWindowHeight = 250;
constexpr int kCascadeStep = 26;     // every caption stays in view
constexpr int kOffscreenHeight = 40; // below the bottom of any caption
constexpr int kRounds = 15;          // rounds of each timing, taken in turn so that load spreads evenly
constexpr int kPassesPerRound = 20;
constexpr int kScrollSteps = 3000;
constexpr DWORD kResidentMs = 30000;
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

// The benchmark's desktop: cascaded top-level windows, the last one in front, each with its
// captioned children side by side in its client area.
struct BenchDesktop {
    BenchDesktop() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "BndxBenchWindow";
        RegisterClassA(&windowClass);
        char title[64];
        for (int n = 0; n < kTopLevelCount; ++n) {
            std::snprintf(title, sizeof(title), "Bench window %d of %d", n + 1, kTopLevelCount);
            // Clipping its children keeps a window's own redraw to its own frame.
            HWND window =
                CreateWindowExA(0, windowClass.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                10 + n * kCascadeStep, 10 + n * kCascadeStep, kWindowWidth, kWindowHeight, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
            topLevel.push_back(window);
            all.push_back(window);
            for (int c = 0; c < kChildrenEach; ++c) {
                std::snprintf(title, sizeof(title), "Bench child %d of window %d", c + 1, n + 1);
                all.push_back(CreateWindowExA(
                    0, windowClass.lpszClassName, title, WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_VISIBLE,
                    10 + c * 240, 10, 230, 150, window, nullptr, windowClass.hInstance, nullptr));
            }
        }
        front = topLevel.back();
        SetForegroundWindow(front);
        PumpMessages(500); // let the system finish drawing every frame
    }
    ~BenchDesktop() {
        for (HWND window : topLevel)
            DestroyWindow(window);
    }

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
        std::printf("%s windows=%zu count=%d mean_us=%.1f round_min_us=%.1f round_max_us=%.1f cpu_us=%.1f\n", label,
                    windows, count, totalUs / count, *std::min_element(roundMeansUs.begin(), roundMeansUs.end()),
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
            for (const auto& [window, caption, styles, dpi, paint] : list) {
                const RECT rect{caption.left, caption.top, caption.right, caption.bottom};
                background.Paint(offscreen.dc.Get(), &rect, FALSE);
            }
        });
        unscaledBackground.Round(kPassesPerRound, [&] {
            for (const auto& [window, caption, styles, dpi, paint] : list) {
                const RECT rect{caption.left, caption.top, caption.right, caption.top + kBackgroundHeight};
                background.Paint(offscreen.dc.Get(), &rect, FALSE);
            }
        });
        composing.Round(kPassesPerRound, [&] {
            renderer.BeginPass(); // as in a pass: the foreground window is asked for once
            for (const auto& [window, caption, styles, dpi, paint] : list)
                renderer.Compose(ToHandle(window), caption, styles, dpi, false);
            renderer.EndPass();
        });
        windowDcs.Round(kPassesPerRound, [&] {
            for (const auto& [window, caption, styles, dpi, paint] : list)
                WindowDc surface(ToHandle(window));
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
    std::printf("check caption_pixel_system=%06lx caption_pixel_pass=%06lx\n", system, ours);
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
    std::printf("scroll_cycles front_is_foreground=%d cycles_started=%d\n", GetForegroundWindow() == desktop.front,
                cycles);
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
    std::printf("follow_over moves=%d followed=%d mean_ms=%.1f max_ms=%.1f\n", kMoves, followed,
                followed ? totalMs / followed : 0.0, worstMs);
}

// Messages one at a time for the resident time, calling afterEach after every one: when passes
// take longer than the timer's period, a timer message is always due and the queue never runs dry.
void RunMessageLoop(const std::function<void()>& afterEach) {
    const LONGLONG start = Now();
    for (double elapsedMs = 0; elapsedMs < kResidentMs; elapsedMs = Microseconds(Now() - start) / 1000) {
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(kResidentMs - elapsedMs) + 1, QS_ALLINPUT);
        }
        afterEach();
    }
}

// The engine as Banderix runs it: timer method, the background selected, one foreground whose
// cycle runs on the front window, real timers and a message loop. When a cycle ends the next
// starts at once, as a frequency tick would start it, so that text scrolls all the time.
void MeasureResident(const char* label, uint16_t refreshFrequency, uint16_t speed, CBackgroundEntry& background,
                     int32_t paintMode = kPaintIntoCaption) {
    EngineHost host;
    host.settings.PaintMode = paintMode;
    FixedLine line(kScrollLine);
    host.settings.RefreshFrequency = refreshFrequency;
    host.settings.Speed = speed;
    host.engine->OptionsApplied(false, false, false, true);
    const PaintScheduler& scheduler = host.engine->Scheduler();
    host.engine->StartPainting();
    host.engine->ChooseBackground(&background);
    host.foregrounds.entries = {&line};
    host.engine->ForegroundsChanged();

    std::printf("resident_begin %s\n", label); // the run script samples the Wine server and X server here
    std::fflush(stdout);
    const double cpuBefore = ProcessCpuMicroseconds();
    const LONGLONG start = Now();
    const int ticksBefore[] = {host.timerTicks[TIMER_REFRESH], host.timerTicks[TIMER_SCROLL_STEP]};
    int cycles = 0;
    RunMessageLoop([&] {
        if (!scheduler.Scrolling()) {
            host.engine->OnMessage(WM_TIMER, TIMER_SCROLL_FREQUENCY, 0); // as a frequency tick
            ++cycles;
        }
    });
    const double wallUs = Microseconds(Now() - start);
    const double cpuUs = ProcessCpuMicroseconds() - cpuBefore;
    const double seconds = wallUs / 1e6;
    std::printf("resident %s refresh_frequency=%u speed=%u coverage=%d seconds=%.1f cpu_ms=%.0f cpu_percent=%.2f "
                "passes_per_s=%.1f steps_per_s=%.1f cycles_started=%d\n",
                label, host.settings.RefreshFrequency, speed, host.settings.WindowCoverage, seconds, cpuUs / 1000,
                100 * cpuUs / wallUs, (host.timerTicks[TIMER_REFRESH] - ticksBefore[0]) / seconds,
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

} // namespace

int main() {
    const std::string backgroundPath = WriteBackground();
    CBackgroundEntry background(backgroundPath.c_str());
    DeleteFileA(backgroundPath.c_str());
    BenchDesktop desktop;
    if (GetForegroundWindow() != desktop.front) {
        std::fprintf(stderr, "paint_bench: the front window did not become the foreground window\n");
        return 1;
    }
    const bool drew = MeasurePasses(desktop, background);
    MeasureScrollStep(desktop, background);
    MeasureOverCaption(desktop, background);
    MeasureScrollStep(desktop, background, kPaintOverCaption);
    MeasureResident("defaults", 5, 9, background);
    MeasureResident("over_defaults", 5, 9, background, kPaintOverCaption);
    MeasureResident("five_a_second", 4, 9, background);
    MeasureResident("heaviest", 5, 10, background);
    MeasureIdleLoop();
    std::printf("total cpu_ms=%.0f\n", ProcessCpuMicroseconds() / 1000);
    if (!drew)
        std::fprintf(stderr, "paint_bench: a pass and the system's redraw left the same caption colour\n");
    return drew ? 0 : 1;
}
