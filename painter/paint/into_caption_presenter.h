// Puts a composed caption into the window's own caption: copied onto the window's
// whole-window surface within the caption, the caption buttons left as the system drew them.
// Where the desktop composes window frames, what is drawn this way never reaches the screen.
#pragma once

#include "painter/paint/caption_presenter.h"
#include "painter/paint/caption_surface.h"
#include "platform/dib/kept_surface.h"
#include "platform/framework/scoped_gdi.h"

#include <cstdint>
#include <map>
#include <optional>
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
    void WithdrawAll() override;
    // Reads a few rows of the caption back from the screen, or from the window where the screen
    // cannot tell, and compares them with what was copied.
    bool StillShows(HWND window, const CaptionSight& sight) override;
    void Forget(HWND window) override;
    void DisplayChanged() override { screen_.Reset(); }

private:
    // A few rows of what was last copied into a window's caption (its strip).
    struct Kept {
        CaptionRect caption;
        CaptionButtonAreas buttons;
        std::vector<uint32_t> rows; // each the caption's width
        bool ofThisProcess = false; // its drawing reaches the screen only later (ScreenShows)
    };

    // The front window is painted by every scroll step and looked at every period, and getting a
    // window's surface is most of what a paint or a look through it costs (under Wine the
    // surface's state is made afresh each time): its surface is kept from one to the next while
    // the window stays where it was and the same windows cover its caption, as then the same part
    // of the caption shows.
    struct HeldSurface {
        HWND window = nullptr;
        CaptionRect caption{};
        ScreenRect windowRect;
        std::optional<uint64_t> covers; // CoversKey; none when held by a scroll step
        std::optional<CaptionSurface> surface;
    };

    void Keep(HWND window, const ComposedCaption& composed);
    // The look at the screen, and the look at the window's own surface.
    bool ScreenShows(const Kept& kept, const CaptionSight& sight);
    bool SurfaceShows(HWND window, const Kept& kept, const CaptionSight& sight);
    // Whether the rows read back match the strip kept, where the caption can show.
    template <typename ShownRow, typename Shows>
    static bool StripShows(const Kept& kept, ShownRow shownRow, Shows shows);
    // The surface for a paint or a look at the caption: the one held if it fits, else a new one,
    // held if hold, else made in once.
    const CaptionSurface& SurfaceFor(HWND window, const CaptionRect& caption, const ScreenRect& windowRect,
                                     std::optional<uint64_t> covers, bool hold, std::optional<CaptionSurface>& once);
    // The surface to paint the caption on: a scroll step's is held.
    const CaptionSurface& SurfaceToPaint(HWND window, const CaptionRect& caption, bool scrollStep,
                                         std::optional<CaptionSurface>& once);

    const bool& in256ColourMode_;
    std::map<HWND, Kept> kept_;
    // What the window showed, read back to compare with the strip; the screen's display context
    // and what it showed.
    KeptSurface shown_;
    UniqueDc screen_;
    KeptSurface screenStrip_;
    HeldSurface held_;
};

} // namespace bndx
