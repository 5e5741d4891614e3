// The outline that shows, while the user drags a toolbar, where it will land: a frame a few
// pixels wide around that place, drawn over everything and never taking a click or the focus.
#pragma once

#include "platform/framework/window.h"

namespace bndx {

class DockOutline {
public:
    // Shows the frame around place (screen coordinates), moving it there if it showed elsewhere.
    void Show(HWND owner, const RECT& place);
    void Hide();

private:
    // One side of the frame. Four plain windows rather than one shaped one: what lies inside
    // stays in sight on every system, whatever it makes of window regions.
    class Edge : public Window {
    public:
        void Place(HWND owner, const RECT& place);
        void Hide() const;

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    };

    Edge edges_[4];
};

} // namespace bndx
