#include "painter/paint/watched_desktop.h"

#include "common/caption_geometry.h"

namespace bndx {

namespace {

uint64_t Mix(uint64_t seed, uint64_t value) {
    return (seed ^ value) * 0x9E3779B97F4A7C15ull;
}

bool Overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void WatchedDesktop::BeginPeriod() {
    ++period_;
    // A window no question reached in the last period is out of view (gone, or below a window no
    // longer painted): met again, it is looked at afresh.
    for (auto it = known_.begin(); it != known_.end();)
        it = it->second.seenAt + 1 < period_ ? known_.erase(it) : std::next(it);
}

void WatchedDesktop::Changed(WindowId window) {
    reportedSinceListing_ = true;
    const auto found = known_.find(window);
    if (found == known_.end())
        return;
    Known& known = found->second;
    known.reported = true;
    known.seenAt = 0;
    known.wholeAt = 0;
    known.titleAt = 0;
}

void WatchedDesktop::ForgetAll() {
    known_.clear();
    listedAt_ = 0;
    foregroundAt_ = 0;
    reportedSinceListing_ = true;
}

// Spread over the rotation by their handles, so that the windows' whole looks do not all fall in
// the same period.
bool WatchedDesktop::InTurn(WindowId window, uint64_t rotation) const {
    return (period_ + (Mix(0, window) >> 32)) % rotation == 0;
}

void WatchedDesktop::List() const {
    if (listedAt_ == period_)
        return;
    if (listedAt_ != 0 && trustReports_ && !reportedSinceListing_ && period_ % kRotation != 0)
        return;
    topLevel_.clear();
    system_.ForEachTopLevel([this](WindowId window) { topLevel_.push_back(window); });
    listedAt_ = period_;
    reportedSinceListing_ = false;
    for (const WindowId window : topLevel_)
        known_[window].root = window;
}

const std::vector<WindowId>& WatchedDesktop::TopLevel() const {
    List();
    return topLevel_;
}

WatchedDesktop::Known& WatchedDesktop::Look(WindowId window) const {
    Known& known = known_[window];
    if (known.seenAt == period_)
        return known;
    known.seenAt = period_;
    const bool fresh = known.lookedAt == 0 || known.reported;
    bool ask = fresh || InTurn(window);
    if (!ask && known.root == window) {
        ask = !trustReports_ && (known.style & style::kVisible); // a shown top-level window: every period
    } else if (!ask) {
        // A descendant moves with its top-level window, which no report about it tells. Those of
        // the front window are what the user works in (a document dragged, restored, hidden): they
        // are looked at every period where no reports arrive.
        const auto root = known_.find(known.root);
        ask = root == known_.end() || root->second.changedAt == period_ ||
              (!trustReports_ && known.root == ForegroundWindow());
    }
    if (ask) {
        const uint32_t style = system_.Style(window);
        const ScreenRect rect = system_.Rect(window);
        if (fresh || style != known.style || !(rect == known.rect))
            known.changedAt = period_;
        known.style = style;
        known.rect = rect;
        known.lookedAt = period_;
    }
    known.reported = false;
    return known;
}

WatchedDesktop::Known& WatchedDesktop::LookWhole(WindowId window) const {
    Known& known = Look(window);
    const bool changed = known.changedAt == period_;
    if (known.wholeAt != period_ && (known.wholeAt == 0 || changed || InTurn(window, kSlowRotation))) {
        // A window's DPI is its monitor's: it changes as the window moves, or with the display's
        // settings (which forget everything), never on its own.
        if (known.wholeAt == 0 || changed)
            known.dpi = system_.Dpi(window);
        known.exStyle = system_.ExStyle(window);
        known.clientTop = system_.ClientTopOnScreen(window);
        known.wholeAt = period_;
    }
    if (known.titleAt != period_ && (known.titleAt == 0 || changed || InTurn(window))) {
        known.title = system_.Title(window);
        known.titleAt = period_;
        // A descendant's own descendants are in its top-level window's list too: they are listed
        // again when that list changed (ForEachDescendant) or the descendant itself did.
        if (known.root == window || known.root == 0 || changed)
            known.listedAt = 0;
    }
    return known;
}

template <typename Visit>
void WatchedDesktop::ForEachCoverOver(WindowId window, const ScreenRect& area, Visit visit) const {
    const auto found = known_.find(window);
    const WindowId root = found != known_.end() && found->second.root ? found->second.root : window;
    for (const WindowId above : TopLevel()) {
        if (above == root)
            break;
        const Known& known = Look(above);
        if ((known.style & style::kVisible) && !(known.style & style::kMinimize) && Overlaps(known.rect, area))
            visit(above, known.rect);
    }
}

uint64_t WatchedDesktop::Stacking(WindowId root) const {
    Known& top = known_[root];
    if (top.stackedAt != period_) {
        top.stacking = 0;
        for (const WindowId below : top.descendants) {
            const auto found = known_.find(below);
            if (found != known_.end() && PassesCaptionTest(found->second.style))
                top.stacking = Mix(Mix(top.stacking, below), system_.SiblingAbove(below));
        }
        top.stackedAt = period_;
    }
    return top.stacking;
}

uint64_t WatchedDesktop::CoverOver(WindowId window, const ScreenRect& area) const {
    const auto found = known_.find(window);
    const WindowId root = found != known_.end() ? found->second.root : 0;
    // Only the foreground window's: the one the user works in, and one question a period for
    // each of its captioned descendants.
    uint64_t cover = root && root != window && root == ForegroundWindow() ? Stacking(root) : 0;
    ForEachCoverOver(window, area, [&cover](WindowId above, const ScreenRect& rect) {
        cover = Mix(Mix(Mix(Mix(Mix(cover, above), static_cast<uint32_t>(rect.left)), static_cast<uint32_t>(rect.top)),
                        static_cast<uint32_t>(rect.right)),
                    static_cast<uint32_t>(rect.bottom));
    });
    return cover;
}

std::vector<ScreenRect> WatchedDesktop::CoversOver(WindowId window, const ScreenRect& area) const {
    std::vector<ScreenRect> covers;
    ForEachCoverOver(window, area, [&covers](WindowId, const ScreenRect& rect) { covers.push_back(rect); });
    return covers;
}

uint64_t WatchedDesktop::Sight(const std::vector<WindowId>& also) const {
    uint64_t sight = Mix(0, ForegroundWindow());
    const auto add = [this, &sight](WindowId window) {
        const Known& known = Look(window);
        sight = Mix(Mix(Mix(Mix(Mix(Mix(sight, window), known.style), static_cast<uint32_t>(known.rect.left)),
                            static_cast<uint32_t>(known.rect.top)),
                        static_cast<uint32_t>(known.rect.right)),
                    static_cast<uint32_t>(known.rect.bottom));
    };
    for (const WindowId window : TopLevel())
        add(window);
    for (const WindowId window : also)
        add(window);
    return sight;
}

WindowId WatchedDesktop::ForegroundWindow() const {
    if (foregroundAt_ != period_) {
        foreground_ = system_.ForegroundWindow();
        foregroundAt_ = period_;
    }
    return foreground_;
}

void WatchedDesktop::ForEachTopLevel(const std::function<void(WindowId)>& visit) const {
    List();
    for (size_t i = 0; i < topLevel_.size(); ++i)
        visit(topLevel_[i]);
}

void WatchedDesktop::ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const {
    Known& known = LookWhole(window);
    const WindowId root = known.root ? known.root : window;
    const auto top = known_.find(root);
    const bool listChanged = top != known_.end() && top->second.descendantsChangedAt == period_;
    if (known.listedAt == 0 || (root != window && listChanged && known.listedAt != period_)) {
        std::vector<WindowId> descendants;
        system_.ForEachDescendant(window, [&descendants](WindowId below) { descendants.push_back(below); });
        if (descendants != known.descendants)
            known.descendantsChangedAt = period_;
        known.descendants = std::move(descendants);
        known.listedAt = period_;
    }
    // By index: the visits reach further entries, never this one's list.
    for (size_t i = 0; i < known.descendants.size(); ++i) {
        const WindowId below = known.descendants[i];
        known_[below].root = root;
        visit(below);
    }
}

uint32_t WatchedDesktop::Style(WindowId window) const {
    return Look(window).style;
}

uint32_t WatchedDesktop::ExStyle(WindowId window) const {
    return LookWhole(window).exStyle;
}

ScreenRect WatchedDesktop::Rect(WindowId window) const {
    return Look(window).rect;
}

// The front window's title is read every period where no report tells of a new one: a retitle
// there is what the user looks at.
WindowTitle WatchedDesktop::Title(WindowId window) const {
    Known& known = LookWhole(window);
    if (known.titleAt != period_ && !trustReports_ && window == ForegroundWindow()) {
        known.title = system_.Title(window);
        known.titleAt = period_;
    }
    return known.title;
}

int32_t WatchedDesktop::ClientTopOnScreen(WindowId window) const {
    return LookWhole(window).clientTop;
}

uint32_t WatchedDesktop::Dpi(WindowId window) const {
    return LookWhole(window).dpi;
}

} // namespace bndx
