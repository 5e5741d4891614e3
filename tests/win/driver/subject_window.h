// A captioned window of the test's own process for the program to paint on, placed below the
// spots where the program's dialogs open, and read back from the screen as the user sees it.
#pragma once

#include "common/caption_geometry.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace bndx::e2e {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kBlack = 0x000000;

// The columns of a caption where a colour shows.
struct Span {
    int left = -1;
    int right = -1;
    bool Found() const { return left >= 0; }
};

// The caption rectangle of any window, by the system's current metrics.
CaptionRect CaptionOf(HWND window);
// The colour behind the title, at the caption's left end.
uint32_t CaptionFill(HWND window);

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
    CaptionRect Caption() const;
    test::ScreenCapture Shot() const { return test::ScreenCapture::OfWindow(Handle()); }

    // The colour behind the title, at the caption's left end.
    uint32_t Fill() const;
    bool WaitForFill(uint32_t colour, DWORD timeoutMs) const;
    // The caption as the system draws it, active or not, with nothing painted over it.
    bool ShowsSystemCaption() const;
    bool WaitForSystemCaption(DWORD timeoutMs) const;
    // Where the colour shows in the caption, the caption buttons left out.
    Span ColourSpan(const test::ScreenCapture& shot, uint32_t colour) const;

    // Paints over the caption from this process, which no message tells anybody about.
    void Scribble(uint32_t colour) const;
    // Gives the window a new title and has the system draw its caption again at once; true
    // when the system's own caption is what then shows.
    bool Retitle(const char* title) const;

private:
    bool InButtons(int x, int y) const;
    std::unique_ptr<test::TestWindow> window_;
};

} // namespace bndx::e2e
