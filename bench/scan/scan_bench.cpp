// Times the start-up scan of a data directory into the foreground and background collections
// and reports the memory it takes. Built for Windows it runs the real scan of the DATA directory
// beside itself; built natively it runs the portable part of it (reading the files, taking the
// foreground files apart, reading each background's header and picture bytes) over the
// directory given, to show what Wine and the platform calls add.
#include <chrono>
#include <cstdio>

#ifdef _WIN32

#include "painter/sources/backgrounds.h"
#include "painter/sources/data_directory.h"
#include "painter/sources/foregrounds.h"

#include <psapi.h>

namespace {

size_t PeakKilobytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize / 1024;
}

} // namespace

int main() {
    const size_t peakBefore = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    // In the order the main window builds them, from the folders it reads.
    const std::vector<std::string> folders = bndx::DataFolders();
    bndx::CBackgroundCollection backgrounds(folders);
    const auto between = std::chrono::steady_clock::now();
    bndx::CForegroundCollection foregrounds(folders);
    const auto end = std::chrono::steady_clock::now();
    using Ms = std::chrono::duration<double, std::milli>;
    std::printf("scan foregrounds=%d backgrounds=%d ms=%.1f background_ms=%.1f foreground_ms=%.1f peak_before_kb=%zu "
                "peak_after_kb=%zu\n",
                static_cast<int>(foregrounds.GetCount()), static_cast<int>(backgrounds.GetCount()),
                Ms(end - start).count(), Ms(between - start).count(), Ms(end - between).count(), peakBefore,
                PeakKilobytes());
    return foregrounds.GetCount() > 0 && backgrounds.GetCount() > 0 ? 0 : 1;
}

#else

#include "painter/sources/foreground_file.h"

#include <sys/resource.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

class Entry : public bndx::CSourceEntry {
public:
    Entry() : CSourceEntry(0) {}
    int16_t Configure() override { return 0; }
    bndx::ForegroundFileHeader header;
    std::vector<uint8_t> picture;
};

size_t PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<size_t>(usage.ru_maxrss);
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<uint8_t> bytes(static_cast<size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

bool HasExtension(const std::filesystem::path& path, const char* extension) {
    std::string found = path.extension().string();
    for (char& c : found)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return found == extension;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: scan_bench DATA-DIRECTORY\n");
        return 2;
    }
    const size_t peakBefore = PeakKilobytes();
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::unique_ptr<Entry>> backgrounds, foregrounds;
    for (const auto& file : std::filesystem::directory_iterator(argv[1])) {
        if (!HasExtension(file.path(), ".BXB"))
            continue;
        auto entry = std::make_unique<Entry>();
        entry->picture = ReadAll(file.path());
        bndx::BackgroundFileHeader header{};
        if (!entry->picture.empty())
            std::memcpy(&header, entry->picture.data(), std::min(entry->picture.size(), sizeof(header)));
        entry->SetDescription(header.Description);
        backgrounds.push_back(std::move(entry));
    }
    const auto between = std::chrono::steady_clock::now();
    for (const auto& file : std::filesystem::directory_iterator(argv[1])) {
        if (!HasExtension(file.path(), ".BXF"))
            continue;
        auto entry = std::make_unique<Entry>();
        const std::vector<uint8_t> bytes = ReadAll(file.path());
        bndx::ReadForegroundFile(bytes.data(), bytes.size(), entry->header, *entry);
        foregrounds.push_back(std::move(entry));
    }
    const auto end = std::chrono::steady_clock::now();
    using Ms = std::chrono::duration<double, std::milli>;
    std::printf("scan foregrounds=%zu backgrounds=%zu ms=%.1f background_ms=%.1f foreground_ms=%.1f peak_before_kb=%zu "
                "peak_after_kb=%zu\n",
                foregrounds.size(), backgrounds.size(), Ms(end - start).count(), Ms(between - start).count(),
                Ms(end - between).count(), peakBefore, PeakKilobytes());
    return foregrounds.empty() || backgrounds.empty() ? 1 : 0;
}

#endif
