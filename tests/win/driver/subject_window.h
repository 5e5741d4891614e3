// A window of the test's own for the program to paint on, and its caption as the screen shows it.
#pragma once

#include "tests/win/caption_on_screen.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace bndx::e2e {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
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

// A window of another program, moved to (x, y) and in front; one started after the hook was
// installed is reached by the hook. Null if it did not show. Under Wine the hook module does
// not reach this test's own windows, so such a window is where the hook method shows. One that
// hangs handles its messages for three seconds only.
HWND StartHelperWindow(test::Process& helper, const std::string& title, int x, int y, bool hangs = false);

// The top row of the caption, from its left end to the buttons: whether all of it is the colour.
bool CaptionRowIs(HWND window, uint32_t colour);

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
