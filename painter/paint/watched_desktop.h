// The desktop as the refresh periods look at it: each question is asked of the system only when
// its answer can have changed since the last look, so that a desktop where nothing changes costs
// a period little more than the listing of its top-level windows (under Wine every question about
// another program's window is a round trip to the server).
#pragma once

#include "painter/paint/desktop_view.h"

#include <cstdint>
#include <map>
#include <vector>

namespace bndx {

class WatchedDesktop : public DesktopView {
public:
    // What no question of a period notices is looked at in turn, the windows spread over the
    // periods: a window's title, descendants and (hidden, or a descendant of a window not in
    // front) style and rectangle once in kRotation periods, its extended style and client area
    // once in kSlowRotation, its DPI only as it moves.
    static constexpr uint64_t kRotation = 20;
    static constexpr uint64_t kSlowRotation = 5 * kRotation;

    explicit WatchedDesktop(const DesktopView& system) : system_(system) {}

    // A new period begins: what the last one read is now what was seen before.
    void BeginPeriod();
    // The system reported that the window changed (moved, retitled, shown, hidden, made, ...):
    // the next question about it looks at it whole, this period too.
    void Changed(WindowId window);
    // Reports arrive about every change of a top-level window (where the system's window events
    // reach this program): then only the windows reported, new windows and the turn of the
    // rotation are looked at, and the listing is taken again only after a report.
    void TrustReports(bool trust) { trustReports_ = trust; }
    bool TrustsReports() const { return trustReports_; }
    // Everything is asked again (after the desktop's settings changed).
    void ForgetAll();

    // The top-level windows as the period listed them, front first.
    const std::vector<WindowId>& TopLevel() const;
    // Whether this period is the window's turn in a rotation of that many periods.
    bool InTurn(WindowId window, uint64_t rotation = kRotation) const;
    // A number that changes when the windows above window's top-level window that overlap area
    // (on the screen) change: shown, hidden, moved, made, destroyed or restacked.
    // Of a descendant of the foreground window, it also changes as the window's captioned
    // siblings restack (see Stacking).
    uint64_t CoverOver(WindowId window, const ScreenRect& area) const;
    // The rectangles of those windows, as this period sees them.
    std::vector<ScreenRect> CoversOver(WindowId window, const ScreenRect& area) const;
    // A number that changes when the top-level windows' order, the style or rectangle of any of
    // them or of the windows in also, or the foreground window changes, as this period sees them.
    uint64_t Sight(const std::vector<WindowId>& also) const;

    WindowId ForegroundWindow() const override;
    void ForEachTopLevel(const std::function<void(WindowId)>& visit) const override;
    void ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const override;
    uint32_t Style(WindowId window) const override;
    uint32_t ExStyle(WindowId window) const override;
    ScreenRect Rect(WindowId window) const override;
    WindowId SiblingAbove(WindowId window) const override { return system_.SiblingAbove(window); }
    WindowTitle Title(WindowId window) const override;
    int32_t ClientTopOnScreen(WindowId window) const override;
    uint32_t Dpi(WindowId window) const override;
    // Asked of the system each time: the selection keeps what it learns of each window's program.
    std::string ProgramPath(WindowId window) const override { return system_.ProgramPath(window); }

private:
    // What is known of one window, each part with the period it was read in.
    struct Known {
        uint64_t seenAt = 0;               // the last period anything was asked about it
        uint64_t lookedAt = 0;             // its style and rectangle were read
        uint64_t changedAt = 0;            // they differed from those read before, or it was new or reported
        uint64_t wholeAt = 0;              // its extended style, client area and DPI were read
        uint64_t titleAt = 0;              // its title (and its descendants are to be listed again)
        uint64_t listedAt = 0;             // descendants holds what the system listed below it then
        uint64_t descendantsChangedAt = 0; // that list differed from the one before
        bool reported = false;
        WindowId root = 0; // the top-level window it was reached from
        uint32_t style = 0;
        ScreenRect rect;
        uint32_t exStyle = 0;
        int32_t clientTop = 0; // on the screen
        uint32_t dpi = 0;
        WindowTitle title;
        std::vector<WindowId> descendants;
        uint64_t stackedAt = 0; // of a top-level window: stacking was read
        uint64_t stacking = 0;
    };

    // A number that changes as the captioned descendants of a top-level window restack among
    // their siblings: a program with documents in windows of their own (MDI) activating one
    // raises it, and the system redraws their captions then, which no other question tells.
    uint64_t Stacking(WindowId root) const;

    // visit(above, rect) for each shown window above window's top-level window that overlaps area.
    template <typename Visit> void ForEachCoverOver(WindowId window, const ScreenRect& area, Visit visit) const;
    // The window's entry with its style and rectangle as this period sees them.
    Known& Look(WindowId window) const;
    // The window's entry with everything read this period that the rules say may have changed.
    Known& LookWhole(WindowId window) const;
    void List() const;

    const DesktopView& system_;
    bool trustReports_ = false;
    mutable bool reportedSinceListing_ = true;
    uint64_t period_ = 1;
    mutable uint64_t listedAt_ = 0;
    mutable std::vector<WindowId> topLevel_;
    mutable uint64_t foregroundAt_ = 0;
    mutable WindowId foreground_ = 0;
    mutable std::map<WindowId, Known> known_;
};

} // namespace bndx
