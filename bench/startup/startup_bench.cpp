// Measures the whole Banderix program from outside, as its user meets it: the time from
// starting it to its main window hidden in the tray (a fresh process each run, ended through
// its Close button), or its memory and object counts while it stays resident with text
// scrolling on a window in front. Prints one line of figures per run or sample.
//   startup_bench start PROGRAM RUNS BACKGROUND FOREGROUND
//   startup_bench resident PROGRAM SECONDS BACKGROUND FOREGROUND
#include "bench/startup/bench_settings.h"
#include "bench/startup/resident.h"
#include "bench/startup/watched_program.h"
#include "common/painter_messages.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace bndx::bench;

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kEndTimeoutMs = 15000;
constexpr DWORD kSettleMs = 500; // lets the screen repaint that Close asks for finish before the next start
constexpr int kResidentSpeed = 10;
constexpr int kResidentFrequency = 1; // a new line every minute, the most the program allows
constexpr int kSampleSeconds = 10;

int RunStarts(const std::string& programPath, int runs, const BenchSettings& settings) {
    int failures = 0;
    for (int run = 1; run <= runs; ++run) {
        // A copy still running would make the new one refuse to start.
        bndx::test::WaitFor([] { return !FindWindowA(nullptr, bndx::kPainterWindowTitle); }, kEndTimeoutMs);
        if (WriteFreshSettings(settings).empty()) {
            std::fprintf(stderr, "cannot write the settings file\n");
            return 1;
        }
        WatchedProgram program;
        const bool started = program.Start(programPath, kStartTimeoutMs);
        const StartTimes times = program.Times();
        const bool running = program.Running();
        const Ending ending = program.End(kEndTimeoutMs);
        std::printf("start run=%d reached_tray=%d created_ms=%.1f focused_ms=%.1f shown_ms=%.1f hidden_ms=%.1f "
                    "running=%d ended=%s exit_code=%ld close_ms=%.1f\n",
                    run, started ? 1 : 0, times.created, times.focused, times.shown, times.hidden, running ? 1 : 0,
                    ending.closed ? "closed" : "killed", ending.exitCode, ending.ms);
        std::fflush(stdout);
        failures += started && ending.closed ? 0 : 1;
        bndx::test::PumpMessages(kSettleMs);
    }
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6 || (std::strcmp(argv[1], "start") != 0 && std::strcmp(argv[1], "resident") != 0)) {
        std::fprintf(stderr, "usage: startup_bench start|resident PROGRAM RUNS|SECONDS BACKGROUND FOREGROUND\n");
        return 2;
    }
    BenchSettings settings;
    settings.background = argv[4];
    settings.foreground = argv[5];
    if (std::strcmp(argv[1], "start") == 0)
        return RunStarts(argv[2], std::atoi(argv[3]), settings);
    settings.speed = kResidentSpeed;
    settings.frequency = kResidentFrequency;
    return RunResident(argv[2], settings, std::atoi(argv[3]), kSampleSeconds);
}
