// Presents captions over the caption: each painted window gets an opaque, click-through window
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
    // Asked of the front window where the system reports no window events (under Wine, where a
    // target activated and left again within one period shows over its overlay, with nothing
    // else to tell): a look at the screen.
    bool StillShows(HWND window, const CaptionSight& sight) override;
    // Its thread hides or destroys the overlay of a target hidden, minimised or gone; one out of
    // the coverage keeps its last picture.
    void Forget(HWND) override {}
    void DisplayChanged() override { overlays_.DisplayChanged(); }
    void PeriodsRun(bool run) override {
        overlays_.LookedAtByPeriods(run);
        sight_ = 0; // the first period after a pause is looked at whole
    }
    // The overlays follow what the periods saw, and only when it changed.
    void DesktopSeen(const WatchedDesktop& desktop, uint64_t sight) override;

private:
    OverlayThread overlays_;
    uint64_t sight_ = 0;
    HWND notShowing_ = nullptr; // the last window whose overlay a look found not showing
    // An overlay raised again that still does not show (something of the system's own over it)
    // is raised again after a pause that doubles each time: under Wine a raise costs a question
    // for every window on the desktop.
    HWND looked_ = nullptr;
    uint32_t lookAgainIn_ = 1;
    uint32_t looksSinceRaise_ = 0;
    // Kept from one caption to the next, so that presenting what already shows costs no memory.
    OverlayPicture scratch_;
    std::vector<ButtonBox> clear_;
};

} // namespace bndx
