// The small window a floating toolbar lives in: a tool window owned by the frame, moved by its
// caption and resized by its edges into as many rows of buttons as its size holds. Closing it
// hides the bar; a double click on its caption, or letting go of it near a side of the frame,
// docks the bar again (the frame decides, through the handlers).
#pragma once

#include "platform/framework/toolbar.h"
#include "platform/framework/window.h"

#include <functional>

namespace bndx {

class FloatingBar : public Window {
public:
    struct Handlers {
        // The cursor's screen point while the user moves the window, and where it was let go.
        std::function<void(POINT)> moving, moved;
        // The caption was double-clicked.
        std::function<void()> dockAgain;
    };
    FloatingBar(Toolbar& bar, Handlers handlers) : bar_(bar), handlers_(std::move(handlers)) {}

    // Takes the bar in as the window's only child, in the rows it last had (one at first), the
    // window's top left at where.
    bool Hold(HWND owner, POINT where);
    // The window's rectangle, on screen, were it to hold the bar with its top left at where.
    RECT PlaceAt(POINT where) const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int RowWidth() const;
    // Brings a rectangle the user is sizing the window to onto the nearest one the rows fill,
    // keeping the edges that are not being dragged.
    void FitRows(UINT edge, RECT& place);

    Toolbar& bar_;
    Handlers handlers_;
    // The widest a row may be, without the bar's edge; 0 until the user resizes: one row.
    int rowWidth_ = 0;
    // While the window is moved: where the cursor took hold of it, and where the cursor is, as
    // the window's place says.
    POINT grab_{};
    POINT cursor_{};
    bool moving_ = false;
};

} // namespace bndx
