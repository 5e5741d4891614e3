#include "painter/paint/paint_records.h"

namespace bndx {

namespace {

// How many passes a caption is looked at after what lies above it changed. Under load a program
// may take a few periods to redraw the part of its frame that was uncovered.
constexpr uint64_t kCoverSettlePasses = 5;

} // namespace

ScreenRect CaptionOnScreen(const SelectedCaption& selected) {
    const CaptionRect& caption = selected.caption;
    const ScreenRect& window = selected.rect;
    return ScreenRect{window.left + caption.left, window.top + caption.top, window.left + caption.right,
                      window.top + caption.bottom};
}

PaintContext ContextOf(const SelectedCaption& selected, const WatchedDesktop& desktop, uint64_t generation,
                       bool intoCaption) {
    // Over the caption the front window is looked at again only where no window events arrive.
    const bool front = selected.window == desktop.ForegroundWindow() && (intoCaption || !desktop.TrustsReports());
    return PaintContext{generation, front,
                        intoCaption ? desktop.CoverOver(selected.window, CaptionOnScreen(selected)) : 0,
                        desktop.InTurn(selected.window, WatchedDesktop::kSlowRotation)};
}

void PaintRecords::PaintInto(bool intoCaption) {
    intoCaption_ = intoCaption;
    records_.clear();
}

CaptionWork PaintRecords::Decide(const SelectedCaption& now, const PaintContext& context) const {
    const auto found = records_.find(now.window);
    if (found == records_.end())
        return CaptionWork::kPaint;
    const Record& record = found->second;
    if (record.stale)
        return CaptionWork::kPaint;
    const SelectedCaption& was = record.painted;
    const bool sameWindow = was.caption == now.caption && was.styles.style == now.styles.style &&
                            was.styles.exStyle == now.styles.exStyle && was.dpi == now.dpi && was.title == now.title &&
                            record.context.generation == context.generation;
    if (!sameWindow)
        return CaptionWork::kPaint;
    if (!intoCaption_) // a move is the overlay's to follow: the picture stays
        return context.front ? CaptionWork::kLookAgain : CaptionWork::kNothing;
    if (!(was.rect == now.rect) || record.context.front != context.front)
        return CaptionWork::kPaint;
    const bool mayBeDrawnOver =
        context.front || context.inTurn || record.context.cover != context.cover || pass_ < record.lookUntilPass;
    return mayBeDrawnOver ? CaptionWork::kLookAgain : CaptionWork::kNothing;
}

void PaintRecords::Painted(const SelectedCaption& now, const PaintContext& context) {
    const auto [found, added] = records_.try_emplace(now.window);
    Record& record = found->second;
    record.painted = now;
    if (added)
        record.context = context; // a first paint: nothing was uncovered
    else
        Settle(record, context);
    record.stale = false;
}

void PaintRecords::Settle(Record& record, const PaintContext& context) const {
    if (record.context.cover != context.cover)
        record.lookUntilPass = pass_ + kCoverSettlePasses;
    record.context = context;
}

void PaintRecords::PaintedOutsidePass(const SelectedCaption& now) {
    if (!now.paint) {
        records_.erase(now.window);
        return;
    }
    Record& record = records_[now.window];
    record.painted = now;
    record.stale = true;
}

void PaintRecords::StillShown(WindowId window, const PaintContext& context) {
    const auto found = records_.find(window);
    if (found != records_.end())
        Settle(found->second, context);
}

} // namespace bndx
