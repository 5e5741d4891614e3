#include "painter/paint/overlay_presenter.h"

#include <algorithm>

namespace bndx {

void OverlayPresenter::Present(HWND window, const ComposedCaption& composed) {
    try {
        clear_.clear();
        ForEachButton(composed.buttons, [this](const ButtonBox& box) { clear_.push_back(box); });
        if (composed.hasIcon)
            clear_.push_back(composed.icon);
        CutOverlayPicture(composed.caption, clear_, composed.pixels, composed.stride, scratch_);
        overlays_.Show(window, scratch_);
        if (window == notShowing_)
            overlays_.ShowAgain(window);
        notShowing_ = nullptr;
    } catch (...) {
        // No memory for the picture: the overlay keeps what it shows, and the next pass tries again.
    }
}

bool OverlayPresenter::StillShows(HWND window, const CaptionSight& sight) {
    constexpr uint32_t kLongestPause = 64; // periods
    notShowing_ = nullptr;
    if (window != looked_) {
        looked_ = window;
        lookAgainIn_ = 1;
        looksSinceRaise_ = 0;
    }
    if (overlays_.ShowsOnScreen(window, sight.window)) {
        lookAgainIn_ = 1;
        looksSinceRaise_ = 0;
        return true;
    }
    if (++looksSinceRaise_ < lookAgainIn_)
        return true; // as good as it gets for now
    looksSinceRaise_ = 0;
    lookAgainIn_ = std::min(lookAgainIn_ * 2, kLongestPause);
    notShowing_ = window;
    return false;
}

void OverlayPresenter::DesktopSeen(const WatchedDesktop& desktop, uint64_t sight) {
    if (sight == sight_)
        return;
    sight_ = sight;
    // The overlay thread stacks the overlays by what the period saw, without a question more.
    std::vector<SeenWindow> topLevel;
    for (const WindowId window : desktop.TopLevel())
        topLevel.push_back(SeenWindow{window, desktop.Style(window), desktop.Rect(window)});
    overlays_.Look(std::move(topLevel));
}

void OverlayPresenter::Withdraw(HWND window) {
    overlays_.Withdraw(window);
}

void OverlayPresenter::WithdrawAll() {
    overlays_.WithdrawAll();
}

} // namespace bndx
