// The small window a floating toolbar lives in: a tool window owned by the frame, moved by its
// caption. Closing it hides the bar; a double click on its caption, or letting go of it near a
// side of the frame, docks the bar again (the frame decides, through the two handlers).
#pragma once

#include "platform/framework/window.h"

#include <functional>

namespace bndx {

class FloatingBar : public Window {
public:
    // moved is called with the cursor's screen point when the user has finished moving the
    // window; dockAgain when the caption is double-clicked.
    FloatingBar(std::function<void(POINT)> moved, std::function<void()> dockAgain)
        : moved_(std::move(moved)), dockAgain_(std::move(dockAgain)) {}

    // Takes bar in as the window's only child, sized to extent, the window's top left at where.
    bool Hold(HWND owner, HWND bar, SIZE extent, POINT where);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void(POINT)> moved_;
    std::function<void()> dockAgain_;
};

} // namespace bndx
