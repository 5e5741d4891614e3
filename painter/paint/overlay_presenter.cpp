#include "painter/paint/overlay_presenter.h"

namespace bndx {

void OverlayPresenter::Present(HWND window, const ComposedCaption& composed) {
    try {
        clear_.clear();
        ForEachButton(composed.buttons, [this](const ButtonBox& box) { clear_.push_back(box); });
        if (composed.hasIcon)
            clear_.push_back(composed.icon);
        CutOverlayPicture(composed.caption, clear_, composed.pixels, composed.stride, scratch_);
        overlays_.Show(window, scratch_);
    } catch (...) {
        // No memory for the picture: the overlay keeps what it shows, and the next pass tries again.
    }
}

void OverlayPresenter::Withdraw(HWND window) {
    overlays_.Withdraw(window);
}

void OverlayPresenter::WithdrawAll() {
    overlays_.WithdrawAll();
}

} // namespace bndx
