// What the engine tests and the painting benchmark share: background files written as the editor
// writes them, and the engine on a hidden main window, as Banderix holds it.
#pragma once

#include "common/file_headers.h"
#include "common/painter_messages.h"
#include "painter/paint/paint_engine.h"

#include <windows.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace bndx::test {

// A background file in the temporary folder: the header, then the bitmap file layout of a
// picture with the given header, colour table and pixel rows (bottom-up, each padded to 4 bytes).
inline std::string WriteBackground(const char* name, const BITMAPINFOHEADER& info, const std::vector<RGBQUAD>& colours,
                                   const std::vector<uint8_t>& rows) {
    const DWORD offset = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(info) + colours.size() * 4);
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + rows.size()), 0, 0, offset};
    const BackgroundFileHeader header = MakeBackgroundHeader(name, 9);
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name + ".BXB";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(colours.data()), static_cast<std::streamsize>(colours.size() * 4));
    out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
    return path;
}

// A 16 x 16 picture of one colour at 24 bits; its rows need no padding.
inline std::string WriteSolidBackground(const char* name, uint8_t red, uint8_t green, uint8_t blue) {
    const BITMAPINFOHEADER info{sizeof(info), 16, 16, 1, 24, BI_RGB, 16 * 16 * 3, 0, 0, 0, 0};
    std::vector<uint8_t> rows;
    for (int i = 0; i < 16 * 16; ++i)
        rows.insert(rows.end(), {blue, green, red});
    return WriteBackground(name, info, {}, rows);
}

struct ListedForegrounds : ForegroundSelection {
    int32_t SelectedCount() const override { return static_cast<int32_t>(entries.size()); }
    LineSource* SelectedEntry(int32_t n) const override { return entries.at(static_cast<size_t>(n)); }
    std::vector<LineSource*> entries;
};

// A foreground whose every line is the same.
struct FixedLine : LineSource {
    explicit FixedLine(const char* line = "") : text(line) {}
    const char* GetNextLine() override { return text; }
    const char* text;
};

// A hidden main window titled "Banderix" whose messages go to the engine, as the real one's do,
// counting the timer messages it receives by timer id.
class EngineHost {
public:
    EngineHost() {
        const WNDCLASSA windowClass{0, WindowProc, 0, 0, GetModuleHandleA(nullptr), {}, {}, {}, {}, "BndxEngineHost"};
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, windowClass.lpszClassName, kPainterWindowTitle, WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        engine = std::make_unique<PaintEngine>(window_, settings, foregrounds);
        engine->ReadMetrics();
        engine->ReadColourDepth();
        current_ = this;
    }
    ~EngineHost() {
        engine->SetHook(false);
        engine.reset();
        current_ = nullptr;
        DestroyWindow(window_);
    }
    EngineHost(const EngineHost&) = delete;
    EngineHost& operator=(const EngineHost&) = delete;

    HWND Window() const { return window_; }

    // Starts a scroll cycle of line, its first step drawn at once, as a frequency tick does once
    // the last cycle ran out (or before the first); the caller then makes every further step itself.
    void StartScroll(FixedLine& line) {
        foregrounds.entries = {&line};
        engine->OnMessage(WM_TIMER, TIMER_SCROLL_FREQUENCY, 0);
        ::KillTimer(window_, TIMER_SCROLL_STEP);
    }
    void Step() { engine->OnMessage(WM_TIMER, TIMER_SCROLL_STEP, 0); }

    PainterSettings settings;
    ListedForegrounds foregrounds;
    std::unique_ptr<PaintEngine> engine;
    std::map<WPARAM, int> timerTicks;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (current_) {
            if (message == WM_TIMER)
                ++current_->timerTicks[wParam];
            current_->engine->OnMessage(message, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static inline EngineHost* current_ = nullptr;
    HWND window_;
};

} // namespace bndx::test
