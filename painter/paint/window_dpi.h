// The DPI of the monitors windows are on, asked of the system through functions of the newer
// Windows (10, version 1607 and later), looked up in user32 at run time: the 32-bit build must
// start on Windows XP, where every window is at the system's DPI.
#pragma once

#include "common/caption_geometry.h"

#include <windows.h>

#include <cstdint>

namespace bndx {

// The DPI the system's metrics and fonts are given at.
uint32_t SystemDpi();
// The DPI of the window's monitor (GetDpiForWindow); 0 where the system cannot say.
uint32_t WindowDpi(HWND window);
// The caption metrics at dpi as the system gives them (SystemParametersInfoForDpi); false where
// it cannot.
bool SystemCaptionMetricsAt(uint32_t dpi, CaptionMetrics& metrics);

} // namespace bndx
