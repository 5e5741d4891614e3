// The platform's font dialog, for screen fonts.
#pragma once

#include <windows.h>

namespace bndx {

// Shows the dialog, modal to owner, starting from font; on OK the chosen font replaces it and true is returned,
// on Cancel font is left exactly as it was.
bool ChooseScreenFont(HWND owner, LOGFONTA& font);

} // namespace bndx
