// The caption of another program's window as the screen shows it: where white text lies in
// it and which colour fills it, for following a message that scrolls across it.
#pragma once

#include "common/caption_geometry.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace bndx::e2e {

struct CaptionLayout {
    CaptionRect area;
    CaptionButtonAreas buttons;
};

// The caption area and button boxes of the window as it is now, by the rule the programs use.
CaptionLayout CaptionLayoutOf(HWND window);

// The columns between which white text shows in the caption area, the buttons left out.
struct InkSpan {
    int left = -1;
    int right = -1;
    bool Visible() const { return left >= 0; }
};
InkSpan WhiteInk(const test::ScreenCapture& shot, const CaptionLayout& caption);

// Captures the window until the white text in its caption satisfies the condition; the span
// then, or the last one seen when the time ran out.
InkSpan WaitForInk(HWND window, const CaptionLayout& caption, test::ScreenCapture& shot,
                   const std::function<bool(const InkSpan&)>& condition, DWORD timeoutMs = 10000);

// The colour at the caption's left end, where neither title nor buttons reach.
uint32_t CaptionFill(const test::ScreenCapture& shot, const CaptionLayout& caption);

// Width of the text in the default font of a fresh device context, as the message program draws it.
int DefaultFontWidth(const std::string& text);

} // namespace bndx::e2e
