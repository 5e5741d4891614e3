// Every overlay window of the program, made, fed and moved by a thread of its own. Owning a
// window of another thread joins the two threads' input, so a target that stops answering may
// stall this thread, never the main window or its dialogs. The main thread says what each
// target's overlay should show, and posts; only a scroll step it draws into an overlay itself,
// under the lock the two share, which this thread holds briefly (to take and hand over pictures,
// to paint an overlay), never while it calls the system about a target.
#pragma once

#include "painter/overlay/overlay_rules.h"
#include "platform/dib/kept_surface.h"
#include "platform/framework/scoped_gdi.h"
#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace bndx {

class OverlayThread {
public:
    // painter receives WM_PAINT_CAPTION for a target whose overlay needs a picture of a new size.
    // Targets are looked at every checkPeriodMs, and at once when the system reports a change.
    OverlayThread(HWND painter, UINT checkPeriodMs);
    // No overlay stays: all are destroyed with the thread.
    ~OverlayThread();
    OverlayThread(const OverlayThread&) = delete;
    OverlayThread& operator=(const OverlayThread&) = delete;

    // From the main thread. The target's overlay is to show picture, composed for the target's
    // size at the time; a picture it already shows changes nothing, and one that differs from it
    // in a few columns only (a scroll step) is drawn at once. A target that is destroyed is
    // forgotten by both threads without being withdrawn.
    void Show(HWND target, const OverlayPicture& picture);
    void Withdraw(HWND target);
    void WithdrawAll();

    // While refresh periods run they look at the desktop, and the overlays are looked at only
    // when a period saw a change (Look); otherwise the overlay thread looks on a timer of its own.
    void LookedAtByPeriods(bool driven);
    // A period saw a change that overlays follow: a window moved, restacked, shown, hidden, made
    // or destroyed, or another one in front. topLevel: the top-level windows as it saw them,
    // front first, which the look takes instead of asking each of them again.
    void Look(std::vector<SeenWindow> topLevel);
    // Whether the screen shows the target's picture where its overlay lies over window (the
    // target's rectangle as a period saw it), as far as one row of it tells; false where it
    // cannot tell. Where the system reports no window events (Wine) a target activated and left
    // again between two looks shows over its overlay, and nothing in the listing of windows tells.
    bool ShowsOnScreen(HWND target, const ScreenRect& window);
    // The screen's size or depth changed (WM_DISPLAYCHANGE): ShowsOnScreen looks at it anew.
    void DisplayChanged();
    // The target's overlay, found not showing, goes above everything on the screen again.
    void ShowAgain(HWND target);

    // What the two threads keep of targets: the pictures wanted and the overlay thread's entries.
    size_t TargetsKept() const;

private:
    // What the main thread and the overlay thread share. Each holds it, so that a thread stalled
    // past the end of its owner still finds it.
    struct Shared;
    class Worker;

    void Wake();

    std::shared_ptr<Shared> shared_;
    UniqueKernelObject thread_;
    // The main thread's, for ShowsOnScreen: a display context of the screen kept from look to
    // look (getting one each time costs several Wine server round trips), its size, and the row
    // read.
    UniqueDc screen_;
    int32_t screenWidth_ = 0;
    int32_t screenHeight_ = 0;
    KeptSurface screenRow_;
};

} // namespace bndx
