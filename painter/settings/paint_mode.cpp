#include "painter/settings/paint_mode.h"

namespace bndx {

int32_t KnownPaintMode(int32_t stored) {
    switch (stored) {
    case kPaintIntoCaption:
    case kPaintOverCaption:
        return stored;
    default:
        return kPaintAutomatic;
    }
}

Presentation ChoosePresentation(int32_t paintMode, bool desktopComposes) {
    switch (KnownPaintMode(paintMode)) {
    case kPaintIntoCaption:
        return Presentation::IntoCaption;
    case kPaintOverCaption:
        return Presentation::OverCaption;
    default:
        return desktopComposes ? Presentation::OverCaption : Presentation::IntoCaption;
    }
}

} // namespace bndx
