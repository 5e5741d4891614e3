// What the desktop window manager says about a window, asked through dwmapi.dll loaded at run
// time from the system folder: the 32-bit build must start on Windows versions without it, and
// where it is missing or does not answer, every question here says so.
#pragma once

#include <windows.h>

namespace bndx {

// Whether the desktop hides the window though it is shown (on another virtual desktop, or a
// suspended store app); false where the desktop cannot say.
bool DwmCloaked(HWND window);
// The visible frame in screen coordinates, without the invisible resize borders of today's frames.
bool DwmExtendedFrameBounds(HWND window, RECT& frame);
// The caption buttons' area in the window's own coordinates (origin at the outer top-left).
bool DwmCaptionButtonBounds(HWND window, RECT& buttons);

} // namespace bndx
