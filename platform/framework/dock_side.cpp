#include "platform/framework/dock_side.h"

#include <cstdlib>

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

} // namespace bndx
