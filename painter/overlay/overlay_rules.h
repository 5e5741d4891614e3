// What an overlay over another window's caption does when its target changes: shown or hidden
// for the target's state, moved along, or waiting for a new picture because the caption's size
// changed. Portable, so that the rules run on the host; the overlay thread applies them.
#pragma once

#include "common/caption_geometry.h"

#include <cstdint>
#include <vector>

namespace bndx {

// A rectangle in screen coordinates; right and bottom exclusive.
struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// A top-level window as a refresh period saw it: its handle's value, style and rectangle.
struct SeenWindow {
    uint64_t window = 0;
    uint32_t style = 0;
    ScreenRect rect;
};

// What the overlay thread last saw of a target window.
struct TargetView {
    bool exists = false;
    bool visible = false;
    bool minimised = false;
    bool cloaked = false; // on another virtual desktop, or hidden by the desktop window manager
    bool fullScreen = false;
    bool movingOrSizing = false; // between the start and the end of a move or resize by the user
    ScreenRect window;           // the outer window rectangle
};

// An overlay shows only over a target the user can see as an ordinary captioned window.
bool OverlayShowsOver(const TargetView& target);

// A target covers its monitor and shows no caption there: a full-screen video, game or slide show.
bool IsFullScreen(const ScreenRect& window, const ScreenRect& monitor, int32_t captionBottom);

struct OverlayStep {
    bool destroy = false;    // the target is gone
    bool show = false;       // the overlay is to be on screen after the step
    bool place = false;      // put it at its place over the target (moved, or shown again)
    bool askPicture = false; // the picture no longer fits the target: ask for one of the new size
};

// From what the overlay last saw of its target to what it sees now. pictureWidth is the width
// of the window the overlay's picture was composed for: after a change of size the overlay
// hides until a picture of the new size arrives, and asks for one once.
OverlayStep NextStep(const TargetView& before, const TargetView& now, int32_t pictureWidth, bool overlayShown);

// The parts of an overlay lying at place on the screen that the shown windows above its target
// cover, in the overlay's own coordinates; above lists those windows' rectangles. The overlay
// leaves them clear: where windows are not stacked on screen as the system lists them (Wine
// shows a window raised later above one raised before, wherever the system lists either), an
// overlay may lie above a window that covers its target.
std::vector<ScreenRect> CoveredParts(const ScreenRect& place, const std::vector<ScreenRect>& above);
// Whether an overlay covered at now shows only more of its picture than covered at before: each
// part now covered lies inside a part covered before. Showing more can wait; covering cannot.
bool CoversNoMore(const std::vector<ScreenRect>& now, const std::vector<ScreenRect>& before);

// Whether the covered parts leave nothing of an overlay width x height in view. An overlay wholly
// under other windows is not made until some of it comes into view, and goes when it has stayed
// under them a moment: every top-level window of another program costs each window the desktop
// destroys a question under Wine, so hundreds of windows cascaded under one another would
// otherwise slow closing them down.
bool CoversAll(const std::vector<ScreenRect>& covered, int32_t width, int32_t height);

// Where the caption lies over today's frames, in whole-window coordinates (origin at the outer
// top-left of the window rectangle, which there includes invisible resize borders).
// From the desktop window manager: the caption runs from the visible frame's left edge, inside
// its one-pixel line, to the right end of the caption buttons, as high as the buttons.
CaptionRect CaptionFromFrame(const ScreenRect& window, const ScreenRect& visibleFrame, const ScreenRect& buttons);
// From the system's title bar, which leaves out the window icon: its height and right end, and
// the left end the caption metrics give, so that the icon's box stays part of the caption.
CaptionRect CaptionFromTitleBar(const ScreenRect& window, const ScreenRect& titleBar, const CaptionRect& byMetrics);

// A composed caption as an overlay shows it: 32-bit pixels with premultiplied alpha, opaque
// where the caption is painted and fully transparent over what must stay the system's own.
struct OverlayPicture {
    CaptionRect caption{};        // where it lies in the target's whole-window coordinates
    std::vector<uint32_t> pixels; // caption-sized, rows top-down, 0xAARRGGBB
    int32_t Width() const { return caption.right - caption.left; }
    int32_t Height() const { return caption.bottom - caption.top; }
    bool operator==(const OverlayPicture& other) const { return caption == other.caption && pixels == other.pixels; }
};

// The columns in which two pictures of the same caption differ, [first, last): at a scroll step
// only the text's part of a caption changes, and only that goes to the screen. Empty (first ==
// last) when they are the same, and the whole width when they lie or measure differently.
struct ColumnSpan {
    int32_t first = 0;
    int32_t last = 0;
};
ColumnSpan ChangedColumns(const OverlayPicture& before, const OverlayPicture& after);

// The parts of a picture an overlay shows, in its own coordinates: the opaque pixels that no
// covered part takes, as rectangles (each row's runs, rows alike merged into one rectangle). The
// overlay's window is shaped to them, so that the system's own caption buttons, the window icon
// and whatever covers the target show where the picture is clear.
std::vector<ScreenRect> ShownParts(const OverlayPicture& picture, const std::vector<ScreenRect>& covered);

// The caption cut from a composition in whole-window coordinates: pixels 0x00RRGGBB (top byte
// ignored), row y starting at composition + y * stride. The boxes in clear (the caption buttons,
// the window icon) stay fully transparent, so the system's own show through.
// into keeps its memory from one cut to the next.
void CutOverlayPicture(const CaptionRect& caption, const std::vector<ButtonBox>& clear, const uint32_t* composition,
                       int32_t stride, OverlayPicture& into);

} // namespace bndx
