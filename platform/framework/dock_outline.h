// The outline that shows, while the user drags a toolbar, where it will land: a frame a few
// pixels wide around that place, drawn over everything and never taking a click or the focus.
#pragma once

#include "platform/framework/window.h"

namespace bndx {

class DockOutline : public Window {
public:
    // Shows the frame around place (screen coordinates), moving it there if it showed elsewhere.
    void Show(HWND owner, const RECT& place);
    void Hide();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    RECT shown_{};
};

} // namespace bndx
