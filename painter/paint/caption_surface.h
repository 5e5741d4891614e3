// The surface one caption is drawn on: the window's whole-window surface, clipped to the caption
// rectangle, so that nothing outside the caption can change on screen.
#pragma once

#include "common/caption_geometry.h"
#include "platform/framework/scoped_gdi.h"

#include <windows.h>

namespace bndx {

// A child window (an MDI document window, say) is drawn through its top-level window's surface,
// moved to the child's origin and clipped to the part of the child that shows: what another
// program draws on a child window's own surface does not always reach the screen (under Wine it
// never does), while its top-level window's surface takes it like any caption's.
class CaptionSurface {
public:
    CaptionSurface(HWND window, const CaptionRect& caption);
    ~CaptionSurface();
    CaptionSurface(const CaptionSurface&) = delete;
    CaptionSurface& operator=(const CaptionSurface&) = delete;

    // In the window's own whole-window coordinates; null when no surface could be had.
    HDC Get() const { return dc_.Get().dc; }

private:
    UniqueHandle<handle_traits::ReleasedDc> dc_; // given back to the window it came from
};

} // namespace bndx
