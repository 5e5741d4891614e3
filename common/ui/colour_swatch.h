// A colour's row in the colour lists of both programs: a swatch framed in black inside the row,
// the row itself framed in blue when selected and in white otherwise.
#pragma once

#include <windows.h>

namespace bndx {

void DrawColourSwatch(HDC dc, const RECT& row, COLORREF colour, bool selected);

} // namespace bndx
