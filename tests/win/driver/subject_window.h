// A window of the test's own for the program to paint on, and its caption as the screen shows it.
#pragma once

#include "tests/win/caption_on_screen.h"

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

using test::CaptionFill;
using test::CaptionLayout;
using test::CaptionLayoutOf;
using test::CurrentCaptionMetrics;
using test::InkSpan;
using test::Span;

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
