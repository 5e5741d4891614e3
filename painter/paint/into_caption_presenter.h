// Puts a composed caption into the window's own caption: one copy through the window's
// whole-window surface, clipped to the caption, the caption buttons left as the system drew them.
// Where the desktop composes window frames, what is drawn this way never reaches the screen.
#pragma once

#include "painter/paint/caption_presenter.h"
#include "platform/dib/kept_surface.h"

#include <map>
#include <vector>

namespace bndx {

class IntoCaptionPresenter : public CaptionPresenter {
public:
    // in256ColourMode: the display has 8 bits a pixel, read at each paint.
    explicit IntoCaptionPresenter(const bool& in256ColourMode) : in256ColourMode_(in256ColourMode) {}

    void Present(HWND window, const ComposedCaption& composed) override;
    // The system draws its own caption again whenever it next redraws the frame; nothing of ours
    // stays to be removed.
    void Withdraw(HWND window) override { Forget(window); }
    void WithdrawAll() override { kept_.clear(); }
    // Reads a few rows of the caption back from the window and compares them with what was copied.
    bool StillShows(HWND window, const std::vector<ScreenRect>& covers) override;
    void Forget(HWND window) override { kept_.erase(window); }

private:
    // A few rows of what was last copied into a window's caption (its strip).
    struct Kept {
        CaptionRect caption;
        CaptionButtonAreas buttons;
        std::vector<uint32_t> rows; // each the caption's width
    };

    void Keep(HWND window, const ComposedCaption& composed);

    const bool& in256ColourMode_;
    std::map<HWND, Kept> kept_;
    // What the window showed, read back to compare with the strip.
    KeptSurface shown_;
};

} // namespace bndx
