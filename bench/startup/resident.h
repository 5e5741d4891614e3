// Banderix left running with its text scrolling on a window of this process, its memory and its
// graphics and window objects sampled at a fixed interval.
#pragma once

#include "bench/startup/bench_settings.h"

#include <string>

namespace bndx::bench {

// Prints one line per sample and one at the end; returns the process's exit code.
int RunResident(const std::string& programPath, const BenchSettings& settings, int seconds, int intervalSeconds);

} // namespace bndx::bench
