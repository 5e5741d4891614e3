#include "platform/framework/dock_side.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace bndx {

DockSide DockSideAt(int x, int y, const DockArea& area, int reach) {
    if (x < area.Left - reach || x > area.Right + reach || y < area.Top - reach || y > area.Bottom + reach)
        return DockSide::Floating;
    const struct {
        DockSide side;
        int distance;
    } edges[] = {{DockSide::Top, std::abs(y - area.Top)},
                 {DockSide::Bottom, std::abs(area.Bottom - y)},
                 {DockSide::Left, std::abs(x - area.Left)},
                 {DockSide::Right, std::abs(area.Right - x)}};
    DockSide nearest = DockSide::Floating;
    int best = reach + 1;
    for (const auto& edge : edges) {
        if (edge.distance < best) {
            best = edge.distance;
            nearest = edge.side;
        }
    }
    return nearest;
}

DockArea DockedPlace(DockSide side, const DockArea& area, int thickness) {
    DockArea place = area;
    switch (side) {
    case DockSide::Top:
        place.Bottom = area.Top + thickness;
        break;
    case DockSide::Bottom:
        place.Top = area.Bottom - thickness;
        break;
    case DockSide::Left:
        place.Right = area.Left + thickness;
        break;
    case DockSide::Right:
        place.Left = area.Right - thickness;
        break;
    case DockSide::Floating:
        place.Right = place.Left;
        place.Bottom = place.Top;
        break;
    }
    return place;
}

DockArea AreaBeside(DockSide side, const DockArea& area, int thickness) {
    DockArea rest = area;
    switch (side) {
    case DockSide::Top:
        rest.Top += thickness;
        break;
    case DockSide::Bottom:
        rest.Bottom -= thickness;
        break;
    case DockSide::Left:
        rest.Left += thickness;
        break;
    case DockSide::Right:
        rest.Right -= thickness;
        break;
    case DockSide::Floating:
        break;
    }
    return rest;
}

std::vector<bool> RowEnds(const std::vector<int>& widths, int width) {
    std::vector<bool> ends(widths.size(), false);
    int used = 0;
    for (size_t n = 0; n < widths.size(); ++n) {
        if (n > 0 && used + widths[n] > width) {
            ends[n - 1] = true;
            used = 0;
        }
        used += widths[n];
    }
    if (!ends.empty())
        ends.back() = true;
    return ends;
}

int WidthForRows(const std::vector<int>& widths, size_t rows) {
    // The fewer rows a width gives, the wider it is: the narrowest that fits is searched for.
    int low = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
    int high = std::accumulate(widths.begin(), widths.end(), 0);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const std::vector<bool> ends = RowEnds(widths, middle);
        if (static_cast<size_t>(std::count(ends.begin(), ends.end(), true)) <= std::max<size_t>(rows, 1))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace bndx
