// Where a toolbar goes when the user lets go of it: along the side of the frame it was dropped
// near, or floating in a small window of its own when it was dropped away from every side.
#pragma once

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

} // namespace bndx
