// Presents captions over the caption: each painted window gets a layered, click-through window
// of its own laid over its caption, where the desktop composes window frames and a drawing into
// another window's caption never reaches the screen.
#pragma once

#include "painter/overlay/overlay_thread.h"
#include "painter/paint/caption_presenter.h"

#include <vector>

namespace bndx {

class OverlayPresenter : public CaptionPresenter {
public:
    // painter receives WM_PAINT_CAPTION for a window whose caption needs composing again
    // (its size changed); targets are looked at every checkPeriodMs.
    OverlayPresenter(HWND painter, UINT checkPeriodMs) : overlays_(painter, checkPeriodMs) {}

    void Present(HWND window, const ComposedCaption& composed) override;
    void Withdraw(HWND window) override;
    void WithdrawAll() override;
    // Nothing draws over an overlay, and its thread keeps it where its target is.
    bool StillShows(HWND) override { return true; }
    // Its thread hides or destroys the overlay of a target hidden, minimised or gone; one out of
    // the coverage keeps its last picture.
    void Forget(HWND) override {}

private:
    OverlayThread overlays_;
    // Kept from one caption to the next, so that presenting what already shows costs no memory.
    OverlayPicture scratch_;
    std::vector<ButtonBox> clear_;
};

} // namespace bndx
