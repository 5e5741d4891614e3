#include "painter/paint/into_caption_presenter.h"

#include "painter/overlay/system_rect.h"
#include "painter/paint/caption_surface.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <optional>

namespace bndx {

namespace {

// Rows across a sixth, a half and five sixths of the caption's height: whatever the system draws
// over a caption (its own caption again, a part of it uncovered, a window's corner) crosses one.
constexpr int32_t kStripRows = 3;

int32_t StripRow(const CaptionRect& caption, int32_t n) {
    return caption.top + (caption.bottom - caption.top) * (2 * n + 1) / (2 * kStripRows);
}

uint64_t CoversKey(const std::vector<ScreenRect>& covers) {
    uint64_t key = covers.size();
    for (const ScreenRect& cover : covers)
        for (const int32_t edge : {cover.left, cover.top, cover.right, cover.bottom})
            key = (key ^ static_cast<uint32_t>(edge)) * 0x100000001B3ull;
    return key;
}

bool InButton(const CaptionButtonAreas& buttons, int32_t x, int32_t y) {
    bool inside = false;
    ForEachButton(buttons, [&](const ButtonBox& box) {
        inside = inside || (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height);
    });
    return inside;
}

// Where the caption shows on the screen, in the window's coordinates: its surface's visible part,
// less the windows above that cover it. Under Wine a window's visible region leaves other
// programs' windows above it to the X server, so those come as covers.
class ShowingParts {
public:
    ShowingParts(const CaptionSurface& surface, const std::vector<ScreenRect>& covers)
        : visible_(surface.ShowingParts()) {
        const POINT window = surface.WindowOnScreen();
        for (const ScreenRect& cover : covers)
            covers_.push_back(
                RECT{cover.left - window.x, cover.top - window.y, cover.right - window.x, cover.bottom - window.y});
    }

    bool Shows(int32_t x, int32_t y) const {
        const auto inside = [x, y](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
        return (!visible_ || std::any_of(visible_->begin(), visible_->end(), inside)) &&
               std::none_of(covers_.begin(), covers_.end(), inside);
    }

private:
    std::optional<std::vector<RECT>> visible_; // none where the system tells no region
    std::vector<RECT> covers_;
};

} // namespace

void IntoCaptionPresenter::Present(HWND window, const ComposedCaption& composed) {
    const CaptionRect& caption = composed.caption;
    std::optional<CaptionSurface> once;
    const CaptionSurface& surface = SurfaceToPaint(window, caption, composed.scrollStep, once);
    if (!surface.Get())
        return;
    HPALETTE previousPalette = nullptr;
    if (composed.palette) {
        previousPalette = SelectPalette(surface.Get(), composed.palette, TRUE);
        RealizePalette(surface.Get());
    }
    surface.CopyFrom(composed.surface, composed.buttons);
    if (composed.palette)
        SelectPalette(surface.Get(), previousPalette, FALSE);
    if (composed.scrollStep)
        kept_.erase(window);
    else
        Keep(window, composed);
}

// On a palette display the read-back is in the palette's colours and never matches: nothing kept.
void IntoCaptionPresenter::Keep(HWND window, const ComposedCaption& composed) {
    if (in256ColourMode_) {
        Forget(window);
        return;
    }
    const CaptionRect& caption = composed.caption;
    const int32_t width = caption.right - caption.left;
    if (width < 1 || caption.bottom <= caption.top) {
        Forget(window);
        return;
    }
    try {
        Kept& kept = kept_[window];
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        kept.ofThisProcess = process == GetCurrentProcessId();
        kept.caption = caption;
        kept.buttons = composed.buttons;
        kept.rows.resize(static_cast<size_t>(width) * kStripRows);
        for (int32_t n = 0; n < kStripRows; ++n) {
            const uint32_t* row =
                composed.pixels + static_cast<size_t>(StripRow(caption, n)) * static_cast<size_t>(composed.stride);
            std::copy(row + caption.left, row + caption.right, kept.rows.begin() + static_cast<ptrdiff_t>(n) * width);
        }
    } catch (const std::bad_alloc&) {
        Forget(window); // the next look paints it again
    }
}

void IntoCaptionPresenter::Forget(HWND window) {
    kept_.erase(window);
    if (held_.window == window)
        held_ = HeldSurface{};
}

void IntoCaptionPresenter::WithdrawAll() {
    kept_.clear();
    held_ = HeldSurface{};
}

// covers: none where unknown (a scroll step does not know them), then any held surface fits.
const CaptionSurface& IntoCaptionPresenter::SurfaceFor(HWND window, const CaptionRect& caption,
                                                       const ScreenRect& windowRect, std::optional<uint64_t> covers,
                                                       bool hold, std::optional<CaptionSurface>& once) {
    if (held_.window == window && held_.surface && held_.caption == caption && held_.windowRect == windowRect &&
        (!held_.covers || !covers || *held_.covers == *covers)) {
        if (covers)
            held_.covers = covers;
        return *held_.surface;
    }
    if (held_.window == window || hold)
        held_ = HeldSurface{};
    if (!hold)
        return once.emplace(window, caption);
    held_.window = window;
    held_.caption = caption;
    held_.windowRect = windowRect;
    held_.covers = covers;
    return held_.surface.emplace(window, caption);
}

// A scroll step paints the front window many times a period: its surface is held from one step
// to the next, and serves looks too, while the window has not moved (one question, where a new
// surface costs several).
const CaptionSurface& IntoCaptionPresenter::SurfaceToPaint(HWND window, const CaptionRect& caption, bool scrollStep,
                                                           std::optional<CaptionSurface>& once) {
    if (held_.window != window && !scrollStep)
        return once.emplace(window, caption);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return SurfaceFor(window, caption, ToScreenRect(bounds), std::nullopt, scrollStep, once);
}

// Whether the rows of the strip on the screen are, pixel for pixel, those copied: then the system
// has not drawn over the caption since. The caption buttons are never copied, so they are not
// compared, nor is what other windows cover: the screen shows them there, and a caption the
// system uncovers is looked at again as what lies above it changed.
bool IntoCaptionPresenter::StillShows(HWND window, const CaptionSight& sight) {
    const auto found = kept_.find(window);
    if (found == kept_.end())
        return false;
    const Kept& kept = found->second;
    return (!kept.ofThisProcess && ScreenShows(kept, sight)) || SurfaceShows(window, kept, sight);
}

// Most captions show whole but for the windows above them: the screen, read through a display
// context kept from look to look, tells for those without the window's own surface, which costs
// several round trips to make under Wine. Where it differs (a part hidden by a window of the
// window's own program, or off the screen) the window's surface tells. Not for a window of this
// process: under Wine what the system draws on it reaches the screen only when this thread next
// waits for messages, so the screen right after the system redrew its frame still shows ours
// (another program's drawing reaches the screen as late for both reads).
bool IntoCaptionPresenter::ScreenShows(const Kept& kept, const CaptionSight& sight) {
    const CaptionRect& caption = kept.caption;
    const int32_t first = StripRow(caption, 0);
    const int32_t rows = StripRow(caption, kStripRows - 1) + 1 - first;
    if (!screen_)
        screen_.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
    const HDC readBack = screenStrip_.Get(caption.right - caption.left, rows);
    if (!screen_ || !readBack ||
        !BitBlt(readBack, 0, 0, caption.right - caption.left, rows, screen_.Get(), sight.window.left + caption.left,
                sight.window.top + first, SRCCOPY))
        return false;
    GdiFlush();
    return StripShows(
        kept, [this, first](int32_t y) { return screenStrip_.Row(y - first); },
        [&sight](int32_t x, int32_t y) {
            const int32_t screenX = sight.window.left + x;
            const int32_t screenY = sight.window.top + y;
            return std::none_of(sight.covers.begin(), sight.covers.end(), [=](const ScreenRect& cover) {
                return screenX >= cover.left && screenX < cover.right && screenY >= cover.top && screenY < cover.bottom;
            });
        });
}

bool IntoCaptionPresenter::SurfaceShows(HWND window, const Kept& kept, const CaptionSight& sight) {
    const CaptionRect& caption = kept.caption;
    const int32_t first = StripRow(caption, 0);
    const int32_t last = StripRow(caption, kStripRows - 1);
    std::optional<CaptionSurface> once;
    const CaptionSurface& surface =
        SurfaceFor(window, caption, sight.window, CoversKey(sight.covers), sight.front, once);
    HDC readBack = shown_.Get(caption.right, last + 1);
    if (!surface.Get() || !readBack || !surface.ReadRows(readBack, first, last + 1))
        return false;
    GdiFlush();
    const ShowingParts showing(surface, sight.covers);
    return StripShows(
        kept, [this, &caption](int32_t y) { return shown_.Row(y) + caption.left; },
        [&showing](int32_t x, int32_t y) { return showing.Shows(x, y); });
}

// shownRow(y): the pixels read back for the caption's row y, from its left edge; shows(x, y):
// whether the screen can show the caption's pixel there.
template <typename ShownRow, typename Shows>
bool IntoCaptionPresenter::StripShows(const Kept& kept, ShownRow shownRow, Shows shows) {
    const CaptionRect& caption = kept.caption;
    const int32_t width = caption.right - caption.left;
    constexpr uint32_t kColourBits = 0x00FFFFFF;
    for (int32_t n = 0; n < kStripRows; ++n) {
        const int32_t y = StripRow(caption, n);
        const uint32_t* ours = kept.rows.data() + static_cast<size_t>(n) * static_cast<size_t>(width);
        const uint32_t* shown = shownRow(y);
        for (int32_t x = caption.left; x < caption.right; ++x)
            if (((ours[x - caption.left] ^ shown[x - caption.left]) & kColourBits) && !InButton(kept.buttons, x, y) &&
                shows(x, y))
                return false;
    }
    return true;
}

} // namespace bndx
