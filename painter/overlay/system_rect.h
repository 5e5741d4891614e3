// A rectangle as the system gives it, in the form the portable rules take.
#pragma once

#include "painter/overlay/overlay_rules.h"

#include <windows.h>

namespace bndx {

inline ScreenRect ToScreenRect(const RECT& r) {
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

} // namespace bndx
