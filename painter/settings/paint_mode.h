// How Banderix's picture of a caption reaches the screen. Drawn into another window's caption
// through its window surface it shows only where the desktop does not compose window frames;
// where it does (Windows 8 and later always), the desktop draws the caption itself and only a
// window of Banderix's own laid over the caption is seen.
#pragma once

#include <cstdint>

namespace bndx {

// Values of the PaintMode setting.
enum PaintModeSetting : int32_t {
    kPaintAutomatic = 0,   // over the caption exactly when the desktop composes
    kPaintIntoCaption = 1, // through the target's window surface
    kPaintOverCaption = 2, // in a window of our own above the caption
};

enum class Presentation : int32_t { IntoCaption, OverCaption };

// A stored value other than the three above reads as Automatic.
int32_t KnownPaintMode(int32_t stored);

// The presentation in force for a PaintMode setting and the desktop's composition state.
Presentation ChoosePresentation(int32_t paintMode, bool desktopComposes);

} // namespace bndx
