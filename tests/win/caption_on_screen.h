// Captions as the screen shows them: where a caption and its buttons lie, by the rule the
// programs compute them with, and the ink a program leaves there.
#pragma once

#include "common/caption_geometry.h"
#include "tests/win/desktop.h"

#include <windows.h>

#include <cstdint>
#include <functional>

namespace bndx::test {

// A message program's whole run across a caption.
constexpr DWORD kScrollTimeoutMs = 30000;

// By the record's first version, as the programs read it.
CaptionMetrics CurrentCaptionMetrics();

struct CaptionLayout {
    CaptionRect area;
    CaptionButtonAreas buttons;
    bool InButtons(int x, int y) const;
};
CaptionLayout CaptionLayoutOf(HWND window);
// The colour at the caption's left end, where neither title nor buttons reach.
uint32_t CaptionFill(const ScreenCapture& shot, const CaptionLayout& caption);

// The first and last column of the caption, buttons left out, where the ink shows.
struct Span {
    int left = -1;
    int right = -1;
    bool Found() const { return left >= 0; }
};
Span InkSpan(const ScreenCapture& shot, const CaptionLayout& caption, const std::function<bool(uint32_t)>& ink);

// Captures the window until a message program's white text in its caption satisfies the
// condition; the span then, or the last one seen when the time ran out.
Span WaitForWhiteText(HWND window, const CaptionLayout& caption, ScreenCapture& shot,
                      const std::function<bool(const Span&)>& condition);

// The shipped message program with the text written into its message block, as the editor
// makes it.
std::vector<uint8_t> PatchedBandpost(const std::string& text);

} // namespace bndx::test
