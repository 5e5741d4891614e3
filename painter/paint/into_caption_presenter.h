// Puts a composed caption into the window's own caption: one copy through the window's
// whole-window surface, clipped to the caption, the caption buttons left as the system drew them.
// Where the desktop composes window frames, what is drawn this way never reaches the screen.
#pragma once

#include "painter/paint/caption_presenter.h"
#include "platform/dib/kept_surface.h"
#include "platform/framework/scoped_gdi.h"

#include <map>
#include <vector>

namespace bndx {

class IntoCaptionPresenter : public CaptionPresenter {
public:
    // in256ColourMode: the display has 8 bits a pixel, read at each paint.
    explicit IntoCaptionPresenter(const bool& in256ColourMode);

    void Present(HWND window, const ComposedCaption& composed) override;
    // The system draws its own caption again whenever it next redraws the frame; nothing of ours
    // stays to be removed.
    void Withdraw(HWND window) override { Forget(window); }
    void WithdrawAll() override { kept_.clear(); }
    // Reads a few rows of the caption back from the screen and compares them with what the screen
    // showed there right after the last copy.
    bool StillShows(HWND window) override;
    void Forget(HWND window) override { kept_.erase(window); }

private:
    // A few rows across a window's caption (its strip) as the screen showed them after a copy.
    struct Kept {
        CaptionRect caption;
        CaptionButtonAreas buttons;
        POINT windowOrigin;
        std::vector<uint32_t> rows; // each the caption's width
    };

    void Keep(HWND window, const ComposedCaption& composed);
    // The band of the screen the strip's rows cross, into shown_ in the caption's own coordinates.
    bool ReadShown(const Kept& kept);

    const bool& in256ColourMode_;
    // The whole screen, read without asking the window system about any window: under Wine a
    // window's own surface costs a round trip to the server for each of its questions (the
    // window, its visible region, its monitor), and the screen shows what the user sees.
    UniqueDc screen_;
    std::map<HWND, Kept> kept_;
    KeptSurface shown_;
};

} // namespace bndx
