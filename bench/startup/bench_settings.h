// The settings file a run of the benchmark starts Banderix with, written afresh before each start.
#pragma once

#include <string>

namespace bndx::bench {

struct BenchSettings {
    std::string background; // description of the selected background
    std::string foreground; // description of the one selected foreground
    int speed = 0;          // 0 leaves the program's default
    int frequency = 0;      // 0 leaves the program's default
};

// Replaces whatever settings file the program would open with one holding only these choices
// and the timer method; returns the file's path, or an empty string when it cannot be written.
std::string WriteFreshSettings(const BenchSettings& settings);

} // namespace bndx::bench
