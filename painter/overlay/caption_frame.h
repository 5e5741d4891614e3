// Where a window's caption and its buttons lie when the caption is painted over: today's frames
// have invisible resize borders and buttons of their own size, which the caption metrics do not
// describe. Asked of the desktop window manager where it answers, else of the system's title
// bar, else taken from the metrics as before.
#pragma once

#include "common/caption_geometry.h"

#include <windows.h>

namespace bndx {

struct CaptionFrame {
    CaptionRect caption;
    // Set when the desktop window manager gave the buttons' area; one box for all buttons.
    bool hasButtonBounds;
    ButtonBox buttons;
};

// byMetrics: the caption as the metrics give it, used where nothing better answers.
CaptionFrame CaptionFrameOf(HWND window, const CaptionRect& byMetrics);

} // namespace bndx
