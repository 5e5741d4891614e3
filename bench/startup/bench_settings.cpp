#include "bench/startup/bench_settings.h"

#include "common/settings_location_win32.h"

#include <fstream>

namespace bndx::bench {

std::string WriteFreshSettings(const BenchSettings& settings) {
    const std::string path = SettingsFilePath();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "[Main]\r\n"
        << "SelectedBackground=" << settings.background << "\r\n"
        << "NumForegroundsSelected=1\r\n"
        << "ForegroundSelected0=" << settings.foreground << "\r\n"
        << "[Background]\r\n"
        << "PaintByType=1\r\n"
        << "[Foreground]\r\n";
    if (settings.speed)
        out << "Speed=" << settings.speed << "\r\n";
    if (settings.frequency)
        out << "Frequency=" << settings.frequency << "\r\n";
    out.close();
    return out ? path : std::string();
}

} // namespace bndx::bench
