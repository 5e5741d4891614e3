// Where a toolbar goes when the user lets go of it: along the side of the frame it was dropped
// near, or floating in a small window of its own when it was dropped away from every side; and
// how a floating bar's buttons fill the rows its window is resized to.
#pragma once

#include <cstddef>
#include <vector>

namespace bndx {

enum class DockSide { Top, Bottom, Left, Right, Floating };

// The area the frame shares between its bars and its client window, in the coordinates of the
// point dropped.
struct DockArea {
    int Left, Top, Right, Bottom;
};

// The side whose edge lies nearest the point, when that edge is at most reach away and the
// point is no further than reach outside the area; Floating otherwise. Near a corner the nearer
// edge wins, and on a tie the first of top, bottom, left and right.
DockSide DockSideAt(int x, int y, const DockArea& area, int reach);

inline bool IsVertical(DockSide side) {
    return side == DockSide::Left || side == DockSide::Right;
}

// The place of a bar docked on a side of the area: along the whole side, thickness deep.
DockArea DockedPlace(DockSide side, const DockArea& area, int thickness);
// What the bar leaves of the area for the rest.
DockArea AreaBeside(DockSide side, const DockArea& area, int thickness);

// Items of these widths laid out left to right in rows at most width wide (an item wider than
// that takes a row alone): for each item, whether its row ends after it.
std::vector<bool> RowEnds(const std::vector<int>& widths, int width);
// The narrowest width that lays the items out in at most rows rows.
int WidthForRows(const std::vector<int>& widths, size_t rows);

} // namespace bndx
