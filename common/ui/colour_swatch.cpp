#include "common/ui/colour_swatch.h"

#include "platform/framework/scoped_gdi.h"

namespace bndx {

void DrawColourSwatch(HDC dc, const RECT& row, COLORREF colour, bool selected) {
    RECT inner = row;
    InflateRect(&inner, -2, -2);
    {
        ScopedSelect brush(dc, GdiObject(CreateSolidBrush(colour)));
        ScopedSelect pen(dc, GdiObject(CreatePen(PS_SOLID, 1, colour)));
        Rectangle(dc, inner.left, inner.top, inner.right, inner.bottom);
    }
    const GdiObject black(CreateSolidBrush(RGB(0, 0, 0)));
    FrameRect(dc, &inner, static_cast<HBRUSH>(black.Get()));
    const GdiObject edge(CreateSolidBrush(selected ? RGB(0, 0, 255) : RGB(255, 255, 255)));
    FrameRect(dc, &row, static_cast<HBRUSH>(edge.Get()));
}

} // namespace bndx
