// Captions as the screen shows them, and a window of the test's own for the program to paint on.
#pragma once

#include "common/caption_geometry.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

namespace bndx::e2e {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kBlack = 0x000000;

// By the record's first version, as the programs read it.
CaptionMetrics CurrentCaptionMetrics();

struct CaptionLayout {
    CaptionRect area;
    CaptionButtonAreas buttons;
};
CaptionLayout CaptionLayoutOf(HWND window);
// The colour at the caption's left end, where neither title nor buttons reach.
uint32_t CaptionFill(const test::ScreenCapture& shot, const CaptionLayout& caption);

struct Span {
    int left = -1;
    int right = -1;
    bool Found() const { return left >= 0; }
};
Span InkSpan(const test::ScreenCapture& shot, const CaptionLayout& caption, const std::function<bool(uint32_t)>& ink);

// A caption without a system menu has no buttons, so text shows even at its right end.
constexpr DWORD kButtonlessCaption = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME;

// Starts the helper program whose window retitles itself once, moves its window to (x, y)
// and watches its caption for the colour until the helper ends by itself. Under Wine the hook
// module reaches programs started after it was installed, not this test's own windows, so
// this is where the hook method shows.
bool HelperCaptionTurns(uint32_t colour, int x, int y);

class SubjectWindow {
public:
    SubjectWindow(const char* title, int x, int y, int width, DWORD style = WS_OVERLAPPEDWINDOW);
    HWND Handle() const { return window_->Handle(); }
    CaptionRect Caption() const { return CaptionLayoutOf(Handle()).area; }
    test::ScreenCapture Shot() const { return test::ScreenCapture::OfWindow(Handle()); }

    uint32_t Fill() const;
    bool WaitForFill(uint32_t colour, DWORD timeoutMs) const;
    // The caption as the system draws it, active or not, with nothing painted over it.
    bool ShowsSystemCaption() const;
    bool WaitForSystemCaption(DWORD timeoutMs) const;
    Span ColourSpan(const test::ScreenCapture& shot, uint32_t colour) const;

    // Paints over the caption, which no message tells anybody about.
    void Scribble(uint32_t colour) const;
    // True when the system's own caption is what then shows.
    bool Retitle(const char* title) const;

private:
    std::unique_ptr<test::TestWindow> window_;
};

} // namespace bndx::e2e
