// The platform's font dialog, for screen fonts.
#pragma once

#include <windows.h>

namespace bndx {

// Shows the dialog starting from font; on OK the chosen font replaces it and true is returned,
// on Cancel font is left exactly as it was.
bool ChooseScreenFont(LOGFONTA& font);

} // namespace bndx
