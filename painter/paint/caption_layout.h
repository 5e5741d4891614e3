// Where the title, the scrolling text and their boxes go on a caption. All in the whole-window
// coordinates of the window being painted, like CaptionRect.
#pragma once

#include "common/caption_geometry.h"

#include <string>

namespace bndx {

// Values of the Alignment setting; any other value centres.
enum TitleAlignment : int32_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };

constexpr int32_t kScrollStepPixels = 2; // how far the text moves on each scroll tick
constexpr int32_t kBoxCornerSize = 16;   // the boxes' rounded corners, as the ellipse's width and height
constexpr int32_t kBoxMargin = 10;       // box beyond the text on either side

// Left end of the title, given its measured width.
int32_t TitleX(int32_t alignment, const CaptionRect& caption, int32_t textWidth);

// The box behind a title that starts at x.
CaptionRect TitleBox(int32_t x, int32_t textWidth, const CaptionRect& caption);

// Where a scroll starts: the caption's width, counted from the window's left edge.
int32_t ScrollStart(const CaptionRect& caption);

// The text has run out when its right end has reached x = 0, or when it starts beyond this
// caption's width (a narrower window came to the front).
bool ScrollHasRunOut(int32_t position, int32_t textWidth, const CaptionRect& caption);

// The box behind the scrolling text: the caption, narrowed to the text where the text lies inside.
CaptionRect ScrollBox(int32_t position, int32_t textWidth, const CaptionRect& caption);

// Whether the system draws the window's icon at the caption's left end: a window with a system
// menu that is neither a tool window nor a dialog with a modal frame.
bool HasIcon(uint32_t windowStyle, uint32_t exStyle);

// The box the icon takes: the caption's left end, as wide as the caption is high.
ButtonBox IconBox(const CaptionRect& caption);

// Removes leading blanks, tabs and line breaks from a line about to scroll.
void StripLeadingWhiteSpace(std::string& text);

} // namespace bndx
