// What the Bandpost tests look at on a caption: where the message may show, and the message's
// ink as it shows on screen.
#pragma once

#include "common/caption_geometry.h"
#include "tests/win/desktop.h"

#include <functional>
#include <utility>

namespace bndx::test {

constexpr DWORD kScrollTimeoutMs = 30000;
constexpr DWORD kOverlapped = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
using Span = std::pair<int, int>; // the first and last column; -1 when nothing shows

struct Caption {
    CaptionRect area;
    CaptionButtonAreas buttons;
    bool InButtons(int x, int y) const;
};

// By the same rule Bandpost computes it, from the system's metrics.
Caption CaptionOf(HWND window);

// Waits until white text shows in the caption area, buttons left out, with a span that satisfies
// the condition; returns the span then, and the capture it was found in.
Span WaitForText(HWND window, const Caption& caption, ScreenCapture& shot, const std::function<bool(Span)>& condition);

} // namespace bndx::test
