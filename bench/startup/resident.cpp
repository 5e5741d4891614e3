#include "bench/startup/resident.h"

#include "bench/startup/watched_program.h"
#include "tests/win/desktop.h"

#include <psapi.h>

#include <cstdio>

namespace bndx::bench {

namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kEndTimeoutMs = 15000;
constexpr DWORD kMovementGapMs = 300; // several step periods even when steps fall well behind
constexpr int kSubjectWidth = 640;
constexpr int kSubjectHeight = 240;

double ProcessorSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// Whether the caption moved: the window is otherwise still, so any change is the scrolling text.
bool TextMoves(HWND subject) {
    const test::ScreenCapture before = test::ScreenCapture::OfWindow(subject);
    test::PumpMessages(kMovementGapMs);
    const test::ScreenCapture after = test::ScreenCapture::OfWindow(subject);
    return test::CountChanged(before, after, [](int, int) { return true; }) > 0;
}

// PrivateUsage and PagefileUsage are both the commit charge on Windows; Wine fills only the
// second for another process, so both are printed. The object counts are what the system keeps
// per process; Wine may not keep them.
void PrintSample(HANDLE process, double seconds, bool moving, bool inFront) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
    DWORD handles = 0;
    GetProcessHandleCount(process, &handles);
    std::printf("sample t_s=%.1f private_kb=%zu pagefile_kb=%zu working_set_kb=%zu peak_working_set_kb=%zu gdi=%lu "
                "user=%lu handles=%lu cpu_s=%.2f scrolling=%d in_front=%d\n",
                seconds, static_cast<size_t>(memory.PrivateUsage / 1024),
                static_cast<size_t>(memory.PagefileUsage / 1024), static_cast<size_t>(memory.WorkingSetSize / 1024),
                static_cast<size_t>(memory.PeakWorkingSetSize / 1024), GetGuiResources(process, GR_GDIOBJECTS),
                GetGuiResources(process, GR_USEROBJECTS), handles, ProcessorSeconds(process), moving ? 1 : 0,
                inFront ? 1 : 0);
    std::fflush(stdout);
}

} // namespace

int RunResident(const std::string& programPath, const BenchSettings& settings, int seconds, int intervalSeconds) {
    if (WriteFreshSettings(settings).empty()) {
        std::fprintf(stderr, "cannot write the settings file\n");
        return 1;
    }
    WatchedProgram program;
    if (!program.Start(programPath, kStartTimeoutMs)) {
        std::fprintf(stderr, "Banderix did not reach the tray (running=%d)\n", program.Running() ? 1 : 0);
        return 1;
    }
    std::printf("resident_start hidden_ms=%.1f\n", program.Times().hidden);

    test::TestWindow subject("Banderix bench: the window in front", WS_OVERLAPPEDWINDOW, 0, kSubjectWidth,
                             kSubjectHeight);
    const LONGLONG start = CounterNow();
    int frontLost = 0;
    for (int n = 0; n * intervalSeconds <= seconds; ++n) {
        test::WaitFor([&] { return MillisecondsSince(start) >= 1000.0 * n * intervalSeconds; }, INFINITE);
        if (!program.Running())
            break;
        const bool inFront = GetForegroundWindow() == subject.Handle();
        if (!inFront) {
            ++frontLost;
            SetForegroundWindow(subject.Handle());
        }
        PrintSample(program.Process(), MillisecondsSince(start) / 1000, TextMoves(subject.Handle()), inFront);
    }
    const bool survived = program.Running();
    const Ending ending = program.End(kEndTimeoutMs);
    std::printf("resident_end seconds=%.1f survived=%d front_lost=%d ended=%s exit_code=%ld close_ms=%.1f\n",
                MillisecondsSince(start) / 1000, survived ? 1 : 0, frontLost, ending.closed ? "closed" : "killed",
                ending.exitCode, ending.ms);
    return survived && ending.closed ? 0 : 1;
}

} // namespace bndx::bench
