// Puts a composed caption into the window's own caption: one copy through the window's
// whole-window surface, clipped to the caption, the caption buttons left as the system drew them.
// Where the desktop composes window frames, what is drawn this way never reaches the screen.
#pragma once

#include "painter/paint/caption_presenter.h"
#include "platform/dib/kept_surface.h"

namespace bndx {

class IntoCaptionPresenter : public CaptionPresenter {
public:
    // in256ColourMode: the display has 8 bits a pixel, read at each paint.
    explicit IntoCaptionPresenter(const bool& in256ColourMode) : in256ColourMode_(in256ColourMode) {}

    void Present(HWND window, const ComposedCaption& composed) override;
    // The system draws its own caption again whenever it next redraws the frame; nothing of ours
    // stays to be removed.
    void Withdraw(HWND) override {}
    void WithdrawAll() override {}

private:
    bool AlreadyShown(HDC windowSurface, const ComposedCaption& composed);

    const bool& in256ColourMode_;
    // What the window showed, read back to compare with the composition.
    KeptSurface shown_;
};

} // namespace bndx
