// What each painted window's caption was last painted from, and what a refresh period must do
// for it now: nothing when nothing it follows from changed, a look at what the screen shows where
// the system may have drawn over the caption without any change of its own (into the caption),
// and a paint otherwise.
#pragma once

#include "painter/paint/caption_selection.h"
#include "painter/paint/watched_desktop.h"

#include <cstdint>
#include <map>

namespace bndx {

// What a caption's paint follows from besides the window itself.
struct PaintContext {
    // Banderix's own side: background, options, metrics, colour depth, presentation. The engine
    // counts it up whenever any of them changes.
    uint64_t generation = 0;
    // The window is the foreground window (over the caption: and no window events arrive, so that
    // its activation, which can raise it over its overlay, may go unseen between two periods).
    bool front = false;
    uint64_t cover = 0; // what lies above its caption (WatchedDesktop::CoverOver)
    // The window's turn of the slow rotation: into the caption even an unchanged caption is
    // looked at then, since its own program may have drawn over it.
    bool inTurn = false;
};

// Where a selected caption lies on the screen.
ScreenRect CaptionOnScreen(const SelectedCaption& selected);

// The context of a selected caption in the current period of the desktop; a cover is only
// looked for into the caption.
PaintContext ContextOf(const SelectedCaption& selected, const WatchedDesktop& desktop, uint64_t generation,
                       bool intoCaption);

enum class CaptionWork {
    kNothing,   // it shows what it was last painted with
    kLookAgain, // the same paint, but the system may have drawn over it: compare with the screen
    kPaint,
};

class PaintRecords {
public:
    // Into the caption the system draws each caption itself, over ours: when the window comes to
    // the front or leaves it, when a window above it moves (uncovering a part of it), when it
    // moves, and when its program redraws its frame (found in the window's turn). Over the
    // caption only what the picture shows matters (its size, styles, title, DPI), and whether the
    // front window's overlay still shows where no window events tell.
    explicit PaintRecords(bool intoCaption = true) : intoCaption_(intoCaption) {}
    void PaintInto(bool intoCaption);

    CaptionWork Decide(const SelectedCaption& now, const PaintContext& context) const;
    // One pass over the captions a period selected: each is looked at again or painted as its
    // record says, and the records of windows not selected go.
    //   stillShows(selected) -> bool: the caption still shows its last paint;
    //   paint(selected) -> bool: paints it, or hands back one not to be painted; whether it now
    //   shows our paint or the system's own;
    //   forget(window): the window is no longer painted by the passes.
    template <typename StillShows, typename Paint, typename Dropped>
    void Pass(const SelectedCaptions& selected, const WatchedDesktop& desktop, uint64_t generation,
              StillShows stillShows, Paint paint, Dropped forget);
    // The caption was painted (or handed back to the system) as selected.
    void Painted(const SelectedCaption& now, const PaintContext& context);
    // The caption was painted (or handed back) outside a pass, as selected: the next pass paints it
    // whole, or hands it back.
    void PaintedOutsidePass(const SelectedCaption& now);
    // A look found the caption still showing its paint.
    void StillShown(WindowId window, const PaintContext& context);
    // A pass selected exactly these windows: the records of all others go, and each one's
    // window is given to forget (it is no longer painted by the passes).
    template <typename Dropped> void KeepOnly(const SelectedCaptions& selected, Dropped forget);
    void Forget(WindowId window) { records_.erase(window); }
    void ForgetAll() { records_.clear(); }

private:
    struct Record {
        SelectedCaption painted;
        PaintContext context;
        uint64_t pass = 0;
        bool stale = false; // painted outside a pass
        // What lies above the caption changed: the system redraws the part it uncovered when the
        // window's program gets to it, which may be a period or more later, so the caption is
        // looked at again every pass until this one.
        uint64_t lookUntilPass = 0;
    };

    // The record takes context; a change of cover starts its passes of looking again.
    void Settle(Record& record, const PaintContext& context) const;

    bool intoCaption_;
    uint64_t pass_ = 0;
    std::map<WindowId, Record> records_;
};

template <typename StillShows, typename Paint, typename Dropped>
void PaintRecords::Pass(const SelectedCaptions& selected, const WatchedDesktop& desktop, uint64_t generation,
                        StillShows stillShows, Paint paint, Dropped forget) {
    for (const SelectedCaption& caption : selected) {
        if (!caption.paint) { // handed back once, when it stops being painted
            if (records_.erase(caption.window))
                paint(caption);
            continue;
        }
        const PaintContext context = ContextOf(caption, desktop, generation, intoCaption_);
        switch (Decide(caption, context)) {
        case CaptionWork::kNothing:
            continue;
        case CaptionWork::kLookAgain:
            if (stillShows(caption)) {
                StillShown(caption.window, context);
                continue;
            }
            break;
        case CaptionWork::kPaint:
            break;
        }
        if (paint(caption))
            Painted(caption, context);
    }
    KeepOnly(selected, forget);
}

template <typename Dropped> void PaintRecords::KeepOnly(const SelectedCaptions& selected, Dropped forget) {
    ++pass_;
    for (const SelectedCaption& caption : selected) {
        const auto found = records_.find(caption.window);
        if (found != records_.end())
            found->second.pass = pass_;
    }
    for (auto it = records_.begin(); it != records_.end();) {
        if (it->second.pass == pass_) {
            ++it;
            continue;
        }
        forget(it->first);
        it = records_.erase(it);
    }
}

} // namespace bndx
