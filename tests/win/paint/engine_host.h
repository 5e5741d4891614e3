// What the engine tests share: background files written as the editor writes them, a foreground
// of one line, and the engine on a hidden main window, as Banderix holds it.
#pragma once

#include "common/caption_geometry.h"
#include "painter/paint/paint_engine.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace bndx::test {

// A background file in the temporary folder: the header, then the bitmap file layout of a
// picture with the given header, colour table and pixel rows (bottom-up, each padded to 4 bytes).
std::string WriteBackground(const char* name, const BITMAPINFOHEADER& info, const std::vector<RGBQUAD>& colours,
                            const std::vector<uint8_t>& rows);

// A 16 x 16 picture of one colour at 24 bits.
std::string WriteSolidBackground(const char* name, uint8_t red, uint8_t green, uint8_t blue);

class FixedLine : public LineSource {
public:
    explicit FixedLine(const char* text) : text_(text) {}
    const char* GetNextLine() override { return text_; }

private:
    const char* text_;
};

class ListedForegrounds : public ForegroundSelection {
public:
    int32_t SelectedCount() const override { return static_cast<int32_t>(entries.size()); }
    LineSource* SelectedEntry(int32_t n) const override { return entries.at(static_cast<size_t>(n)); }
    std::vector<LineSource*> entries;
};

// A hidden main window titled "Banderix" whose messages go to the engine, as the real one's do.
class EngineHost {
public:
    EngineHost();
    ~EngineHost();
    EngineHost(const EngineHost&) = delete;
    EngineHost& operator=(const EngineHost&) = delete;

    HWND Window() const { return window_; }

    PainterSettings settings;
    ListedForegrounds foregrounds;
    std::unique_ptr<PaintEngine> engine;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static PaintEngine* current_;
    HWND window_;
};

// The caption rectangle of a window with the engine's metrics.
CaptionRect CaptionOf(const PaintEngine& engine, HWND window);

} // namespace bndx::test
