// The surface one caption is drawn on: the window's whole-window surface, drawn on only within
// the caption rectangle, so that nothing outside the caption can change on screen.
#pragma once

#include "common/caption_geometry.h"
#include "platform/framework/scoped_gdi.h"

#include <optional>
#include <vector>

#include <windows.h>

namespace bndx {

// A child window (an MDI document window, say) is drawn through its top-level window's surface,
// at the child's origin and only where the child shows: what another program draws on a child
// window's own surface does not always reach the screen (under Wine it never does), while its
// top-level window's surface takes it like any caption's.
//
// The surface's clipping is never changed: each change of a window surface's clipping costs
// Wine six round trips to its server (it reads the desktop's size again), so the caption is
// copied rectangle by rectangle instead.
class CaptionSurface {
public:
    CaptionSurface(HWND window, const CaptionRect& caption);

    // Null when no surface could be had.
    HDC Get() const { return dc_.Get().dc; }
    // Copies source, in the window's whole-window coordinates, onto the caption but for the
    // caption buttons, which the system keeps drawing.
    void CopyFrom(HDC source, const CaptionButtonAreas& buttons) const;
    // Copies rows [top, bottom) of the caption as the screen shows them into target, at the
    // window's coordinates.
    bool ReadRows(HDC target, int32_t top, int32_t bottom) const;
    // The parts of the caption that show on the screen, in the window's coordinates; none where
    // the system tells no visible region.
    std::optional<std::vector<RECT>> ShowingParts() const;
    // Where the window's top-left corner lies on the screen.
    POINT WindowOnScreen() const;

private:
    CaptionRect caption_;
    UniqueRegion drawn_;                         // the caption where it may be drawn, in the window's coordinates
    POINT origin_{};                             // the window's top-left corner on the surface
    UniqueHandle<handle_traits::ReleasedDc> dc_; // given back to the window it came from
};

} // namespace bndx
