#include "painter/overlay/overlay_thread.h"

#include "common/painter_messages.h"
#include "painter/overlay/dwm_frame.h"
#include "painter/overlay/system_rect.h"
#include "painter/overlay/target_events.h"
#include "platform/framework/scoped_gdi.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace bndx {

namespace {

constexpr UINT kReconcileMessage = WM_APP + 1; // the wanted pictures changed
constexpr UINT kStopMessage = WM_APP + 2;      // destroy every overlay and end the thread
constexpr UINT kLookMessage = WM_APP + 3;      // a refresh period saw a change
constexpr UINT kDrivenMessage = WM_APP + 4;    // wParam: whether refresh periods run
constexpr UINT kShowAgainMessage = WM_APP + 5; // lParam: the target whose overlay is to go on top
constexpr UINT_PTR kCheckTimer = 1;
constexpr int32_t kWidthAtArrival = -1;
constexpr int32_t kNoPicture = -2; // fits no window
constexpr DWORD kStartTimeoutMs = 5000;
constexpr int kUncoveringPerLook = 8;
// How long an overlay stays wholly under other windows before it goes (see CoversAll).
constexpr DWORD kBuriedMs = 1000;
// A thread stalled by a hung target is left to end with the process; its windows go with it.
constexpr DWORD kStopTimeoutMs = 2000;

constexpr DWORD kOverlayExStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;

// The columns span of a picture, drawn at the same place in the overlay's window.
void DrawPicture(HDC dc, const OverlayPicture& picture, ColumnSpan span) {
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = picture.Width();
    header.bmiHeader.biHeight = -picture.Height(); // rows top-down
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB; // alpha is not read: the clear parts lie outside the window's shape
    StretchDIBits(dc, span.first, 0, span.last - span.first, picture.Height(), span.first, 0, span.last - span.first,
                  picture.Height(), picture.pixels.data(), &header, DIB_RGB_COLORS, SRCCOPY);
}

// Whether two pictures of the same caption have their clear parts in the same places: outside
// the columns that changed they are the same pixels, so only those are compared.
bool SameShape(const OverlayPicture& before, const OverlayPicture& after, ColumnSpan span) {
    constexpr uint32_t kOpaque = 0xFF000000;
    const size_t width = static_cast<size_t>(after.Width());
    if (before.pixels.size() != after.pixels.size() || width == 0)
        return false;
    for (size_t row = 0; row < after.pixels.size(); row += width)
        for (int32_t x = span.first; x < span.last; ++x)
            if ((before.pixels[row + static_cast<size_t>(x)] ^ after.pixels[row + static_cast<size_t>(x)]) & kOpaque)
                return false;
    return true;
}

// The lock over what the two threads share, for a scope, released however the scope ends.
class Locked {
public:
    explicit Locked(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
    ~Locked() { LeaveCriticalSection(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& lock_;
};

// What an overlay's window paints, which its user data points at. All drawing into the window
// goes under the lock: the overlay thread paints it, and the main thread draws scroll steps into
// it in place.
struct OverlaySurface {
    HWND window = nullptr;
    CRITICAL_SECTION* lock = nullptr;
    std::shared_ptr<const OverlayPicture> drawn;
};

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1; // the picture covers all of the window's shape
    case WM_PAINT: {
        const auto* surface = reinterpret_cast<const OverlaySurface*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!surface)
            return DefWindowProcA(window, message, wParam, lParam);
        const Locked held(*surface->lock);
        PAINTSTRUCT paint;
        if (const HDC dc = BeginPaint(window, &paint)) {
            if (surface->drawn)
                DrawPicture(dc, *surface->drawn, ColumnSpan{0, surface->drawn->Width()});
            EndPaint(window, &paint);
        }
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The top-level window a target belongs to: overlays are owned by it and stacked above it.
HWND RootOf(HWND target) {
    HWND root = GetAncestor(target, GA_ROOT);
    return root ? root : target;
}

// Moves overlay directly below the window `below` in the stacking order (to the top without one).
// Only our own window changes place, so nothing here waits for the target's thread.
// Under Wine each call costs a question for every window on the desktop, so an overlay that
// appears is shown by the same call.
// With a place, the same call moves it there.
void PlaceBelow(HWND overlay, HWND below, bool show, const ScreenRect* place = nullptr) {
    const ScreenRect at = place ? *place : ScreenRect{};
    SetWindowPos(overlay, below ? below : HWND_TOP, at.left, at.top, at.Width(), at.Height(),
                 (place ? 0 : SWP_NOMOVE | SWP_NOSIZE) | SWP_NOACTIVATE | SWP_NOOWNERZORDER |
                     (show ? SWP_SHOWWINDOW : 0));
}

// Brings overlay above everything on the screen. Wine stacks a window on the screen only when it
// comes first among the shown windows it lists, and a window raised later shows above one raised
// before whatever their order in the list: a target brought to the front shows above its overlay
// until the overlay is raised again. An overlay listed first already is not stacked again by a
// move to the top, so it goes through the topmost band, which always is a move.
void RaiseOnScreen(HWND overlay, bool show, const ScreenRect* place = nullptr) {
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    const ScreenRect at = place ? *place : ScreenRect{};
    SetWindowPos(overlay, HWND_TOPMOST, at.left, at.top, at.Width(), at.Height(),
                 (place ? kFlags & ~(SWP_NOMOVE | SWP_NOSIZE) : kFlags) | (show ? SWP_SHOWWINDOW : 0));
    SetWindowPos(overlay, HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
}

// Shapes an overlay's window to the parts of its picture that show.
void Shape(HWND overlay, const std::vector<ScreenRect>& parts) {
    UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    if (!shape.Get())
        return;
    for (const ScreenRect& part : parts) {
        const UniqueRegion rect(CreateRectRgn(part.left, part.top, part.right, part.bottom));
        if (rect.Get())
            CombineRgn(shape.Get(), shape.Get(), rect.Get(), RGN_OR);
    }
    if (SetWindowRgn(overlay, shape.Get(), TRUE))
        (void)shape.Release(); // the system's now
}

// A flag set for a scope, cleared however the scope ends.
class Raised {
public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
};

} // namespace

struct OverlayThread::Shared {
    Shared() { InitializeCriticalSection(&lock); }
    ~Shared() { DeleteCriticalSection(&lock); }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;

    // What the main thread wants a target's overlay to show.
    struct Wanted {
        std::shared_ptr<const OverlayPicture> picture;
        uint64_t version = 0;
        // What is on the screen (null while the overlay is hidden or not made), and the parts of
        // it left clear.
        std::shared_ptr<const OverlayPicture> onScreen;
        std::vector<ScreenRect> covered;
        // The overlay's window while the overlay thread leaves it as it is, showing onScreen:
        // then the main thread draws a scroll step into it itself. Null while the overlay thread
        // looks at it, and so may reshape, hide, destroy or paint it.
        OverlaySurface* surface = nullptr;
        bool drawnInPlace = false; // picture is on the screen, drawn there by the main thread

        // Draws in place the columns where next differs from what is on the screen; false where
        // the window is not to be drawn into, or shows no picture of the same caption and shape.
        bool DrawInPlace(const std::shared_ptr<const OverlayPicture>& next) {
            if (!surface || !onScreen || onScreen->caption != next->caption)
                return false;
            const ColumnSpan span = ChangedColumns(*onScreen, *next);
            if (!SameShape(*onScreen, *next, span))
                return false;
            if (span.first != span.last) {
                const HDC dc = GetDC(surface->window);
                if (!dc)
                    return false;
                DrawPicture(dc, *next, span);
                ReleaseDC(surface->window, dc);
            }
            surface->drawn = next;
            onScreen = next;
            return true;
        }
    };

    // The lock over what the two threads share, for a scope.
    class Held : private Locked {
    public:
        explicit Held(Shared& shared) : Locked(shared.lock) {}
    };

    // Under the lock: the main thread sets and withdraws, the overlay thread takes copies and
    // forgets the targets it found destroyed.
    CRITICAL_SECTION lock;
    std::map<HWND, Wanted> wanted;
    std::set<HWND> changed; // whose wanted picture changed or went since the overlay thread looked
    // The top-level windows as the last refresh period that saw a change found them, until a look
    // takes them.
    std::vector<SeenWindow> seen;
    bool seenWaiting = false;
    uint64_t nextVersion = 0;

    UniqueKernelObject started; // set once the overlay thread has started, or failed to
    // The overlay thread's message window, published once it can take messages; until then the
    // main thread posts nothing, and the thread looks at the wanted pictures as it starts.
    std::atomic<HWND> control{nullptr};
    std::atomic<bool> wakePending{false};
    std::atomic<bool> stopping{false}; // the main side has gone, or is going
    std::atomic<size_t> entries{0};    // the overlay thread's, as it last counted them
};

// The overlay thread's own state: the overlay windows and what it last saw of their targets.
// The thread owns it and deletes it as it ends.
class OverlayThread::Worker : private TargetEventSink {
public:
    Worker(std::shared_ptr<Shared> shared, HWND painter, UINT checkPeriodMs)
        : shared_(std::move(shared)), painter_(painter), checkPeriodMs_(checkPeriodMs) {}

    static DWORD WINAPI Run(void* parameter);

private:
    struct Overlay {
        HWND window = nullptr;
        HWND root = nullptr;  // the target's top-level window, which owns the overlay
        uint64_t version = 0; // of the picture it holds
        std::shared_ptr<const OverlayPicture> picture;
        int32_t pictureWidth = 0;
        bool pictureShown = false;     // the picture it holds is the one on screen
        OverlaySurface surface;        // what its window paints
        ScreenRect placed;             // where its window lies on the screen
        std::vector<ScreenRect> shape; // the parts its window is shaped to
        bool shown = false;
        bool movingOrSizing = false;
        bool raiseAgain = false; // found not showing on the screen
        DWORD buriedSince = 0;   // when other windows came to cover all of it; 0 while they do not
        TargetView seen;
        std::vector<ScreenRect> covered; // the parts left clear on screen
    };

    // A target's top-level window as the listing found it.
    struct Listed {
        uint32_t style = 0;
        ScreenRect window;    // when shown
        size_t coveredBy = 0; // how many of the shown windows lie above it
        HWND below = nullptr; // the nearest of them, which its overlays lie directly below
    };
    // The shown top-level windows from the front, as the system lists them, down to the last
    // target's: read once a timed look and shared by every overlay.
    struct Stacking {
        HWND front = nullptr;          // the first shown window that is not an overlay
        std::vector<ScreenRect> shown; // the shown windows' rectangles, overlays left out
        std::map<HWND, Listed> roots;  // the targets' top-level windows
        std::set<HWND> misplaced;      // overlays listed below their own top-level windows
    };

    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Start();
    void Stop();
    void Reconcile();
    // Puts only the part of the wanted picture that differs from the one on the screen there;
    // false where the overlay's whole picture must go again.
    bool UpdateChangedPart(HWND target, Overlay& overlay);
    // seen: the top-level windows as a refresh period saw them; without, the look asks the system.
    void CheckAll(const std::vector<SeenWindow>* seen = nullptr);
    void RaiseAgain(HWND target);
    // False when the target is gone; its overlay is destroyed then.
    bool Check(HWND target, Overlay& overlay);
    // The look itself, once the overlay is the overlay thread's alone.
    bool CheckTakenBack(HWND target, Overlay& overlay);
    // The main thread no longer draws into the overlay, and the pictures it drew there are the
    // overlay's own.
    void TakeBack(HWND target, Overlay& overlay);
    // Drops the entry of a destroyed target, and the picture the main thread wanted for it unless
    // a newer one has come since (for a new window that was given the same handle).
    std::map<HWND, Overlay>::iterator Forget(std::map<HWND, Overlay>::iterator entry);
    void ReadStacking(const std::vector<SeenWindow>* seen = nullptr);
    HWND RootOfForeground(HWND foreground) const;
    std::vector<ScreenRect> Covered(HWND root, const ScreenRect& place) const;
    TargetView Observe(HWND target, const Overlay& overlay) const;
    void Destroy(HWND target, Overlay& overlay);
    // Tells the main thread how the target's overlay shows now, and, while it shows its picture,
    // hands the main thread its window to draw scroll steps into.
    void Publish(HWND target, Overlay& overlay);
    void Counted();
    void KeepAnswering(int cost);
    void OnTargetEvent(HWND window, DWORD event) override;

    std::shared_ptr<Shared> shared_;
    HWND painter_;
    UINT checkPeriodMs_;
    HWND control_ = nullptr;
    bool timerRunning_ = false;
    bool driven_ = false; // refresh periods say when to look
    // The front window and the foreground window at the last look, and for how many more looks
    // the overlays of the front and the foreground windows are raised: once the change is seen,
    // and once more in case the window was raised on the screen only after that.
    HWND front_ = nullptr;
    HWND foreground_ = nullptr;
    HWND foregroundRoot_ = nullptr;
    int raisingLooks_ = 0;
    // Whether the look under way is one of every target, after the stacking was read.
    bool timedLook_ = false;
    bool busy_ = false; // going through the entries, which an event must not change meanwhile
    // How many overlays may still show more of their picture at this look: when hundreds of
    // windows close at once, every overlay below them shows more, and that can wait.
    int uncoveringLeft_ = 0;
    int sinceAnswered_ = 0;
    Stacking stacking_;
    std::map<HWND, Overlay> overlays_;
};

DWORD WINAPI OverlayThread::Worker::Run(void* parameter) {
    const std::unique_ptr<Worker> worker(static_cast<Worker*>(parameter));
    Shared& shared = *worker->shared_;
    if (!worker->Start()) {
        SetEvent(shared.started.Get());
        return 1;
    }
    // Published before the first look at the wanted pictures: whatever the main thread wants
    // before it reads the window here is seen by that look, and whatever it wants after is posted.
    shared.control = worker->control_;
    SetEvent(shared.started.Get());
    if (shared.stopping) {
        DestroyWindow(worker->control_);
        return 0;
    }
    TargetEvents events(*worker);
    try {
        worker->Reconcile();
    } catch (...) {
        // Out of memory: the next change tries again.
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

bool OverlayThread::Worker::Start() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA overlayClass{};
    // Each overlay keeps a drawing surface of its own: a scroll step draws into the front one
    // forty times a second, and under Wine a surface taken from the common ones is made afresh
    // each time, at many times the cost of the drawing.
    overlayClass.style = CS_OWNDC;
    overlayClass.lpfnWndProc = OverlayProc;
    overlayClass.hInstance = instance;
    overlayClass.lpszClassName = kOverlayWindowClass;
    RegisterClassA(&overlayClass); // already there when an earlier thread registered it
    constexpr char kControlClass[] = "BanderixOverlayControl";
    WNDCLASSA controlClass{};
    controlClass.lpfnWndProc = ControlProc;
    controlClass.hInstance = instance;
    controlClass.lpszClassName = kControlClass;
    RegisterClassA(&controlClass);
    control_ = CreateWindowExA(0, kControlClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    return control_ != nullptr;
}

void OverlayThread::Worker::Stop() {
    for (auto& entry : overlays_)
        Destroy(entry.first, entry.second);
    overlays_.clear();
    Counted();
    DestroyWindow(control_);
    PostQuitMessage(0);
}

LRESULT CALLBACK OverlayThread::Worker::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* worker = reinterpret_cast<Worker*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!worker)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        switch (message) {
        case kReconcileMessage:
            worker->shared_->wakePending = false;
            worker->Reconcile();
            return 0;
        case WM_TIMER:
            worker->CheckAll();
            return 0;
        case kLookMessage: {
            std::vector<SeenWindow> seen;
            bool waiting = false;
            {
                const Shared::Held held(*worker->shared_);
                seen.swap(worker->shared_->seen);
                waiting = std::exchange(worker->shared_->seenWaiting, false);
            }
            worker->CheckAll(waiting ? &seen : nullptr);
            return 0;
        }
        case kDrivenMessage:
            worker->driven_ = wParam != 0;
            worker->Counted();
            return 0;
        case kShowAgainMessage:
            worker->RaiseAgain(reinterpret_cast<HWND>(lParam));
            return 0;
        case kStopMessage:
            worker->Stop();
            return 0;
        default:
            break;
        }
    } catch (...) {
        // Out of memory for a picture: the overlay keeps what it showed; the next change tries again.
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void OverlayThread::Worker::Reconcile() {
    // Only the targets whose wanted picture changed or went: a scroll step changes one of sixty.
    std::vector<std::pair<HWND, Shared::Wanted>> wanted;
    std::vector<HWND> withdrawn;
    {
        const Shared::Held held(*shared_);
        for (HWND target : shared_->changed) {
            const auto found = shared_->wanted.find(target);
            if (found != shared_->wanted.end())
                wanted.emplace_back(target, found->second);
            else
                withdrawn.push_back(target);
        }
        shared_->changed.clear();
    }
    const Raised busy(busy_);
    for (HWND target : withdrawn) {
        const auto found = overlays_.find(target);
        if (found != overlays_.end()) {
            Destroy(target, found->second);
            overlays_.erase(found);
        }
    }
    std::vector<HWND> changed;
    bool newcomers = false;
    for (auto& [target, want] : wanted) {
        const auto [entry, added] = overlays_.try_emplace(target);
        Overlay& overlay = entry->second;
        if (added) {
            overlay.root = RootOf(target); // a window keeps its top-level window for life
            newcomers = true;
        }
        if (overlay.version == want.version)
            continue;
        // A picture of the caption the overlay shows where it lies, as a scroll step makes one:
        // only what changed goes to the screen, without a look at the target.
        if (UpdateChangedPart(target, overlay))
            continue;
        overlay.version = want.version;
        overlay.picture = std::move(want.picture);
        overlay.pictureWidth = kWidthAtArrival;
        overlay.pictureShown = false;
        changed.push_back(target);
    }
    // A new overlay is stacked as the others are; a changed picture goes by the last look.
    if (newcomers)
        ReadStacking();
    for (HWND target : changed) {
        const auto entry = overlays_.find(target);
        if (!Check(target, entry->second))
            Forget(entry);
        KeepAnswering(1);
    }
    Counted();
}

bool OverlayThread::Worker::UpdateChangedPart(HWND target, Overlay& overlay) {
    const Shared::Held held(*shared_);
    const auto found = shared_->wanted.find(target);
    if (found == shared_->wanted.end() || !found->second.DrawInPlace(found->second.picture))
        return false;
    found->second.drawnInPlace = false;
    overlay.picture = found->second.picture;
    overlay.version = found->second.version;
    return true;
}

void OverlayThread::Worker::CheckAll(const std::vector<SeenWindow>* seen) {
    ReadStacking(seen);
    // An overlay that has been handed the activation counts too: a change from it to its target
    // is the target's activation, and it raised the target on the screen.
    const HWND foreground = GetForegroundWindow();
    if (stacking_.front != front_ || foreground != foreground_)
        raisingLooks_ = 2;
    front_ = stacking_.front;
    foreground_ = foreground;
    foregroundRoot_ = RootOfForeground(foreground);
    uncoveringLeft_ = kUncoveringPerLook;
    {
        const Raised timed(timedLook_), busy(busy_);
        // The front and foreground windows' overlays first: those are what the user is looking
        // at, and a move of the window in front is what an overlay must follow soonest.
        for (const bool watched : {true, false})
            for (auto it = overlays_.begin(); it != overlays_.end();) {
                const HWND root = it->second.root;
                if ((root == stacking_.front || root == foregroundRoot_) != watched) {
                    ++it;
                    continue;
                }
                it = Check(it->first, it->second) ? std::next(it) : Forget(it);
                KeepAnswering(1);
            }
    }
    raisingLooks_ = raisingLooks_ > 0 ? raisingLooks_ - 1 : 0;
    Counted();
}

void OverlayThread::Worker::RaiseAgain(HWND target) {
    const auto entry = overlays_.find(target);
    if (entry == overlays_.end())
        return;
    entry->second.raiseAgain = true;
    {
        const Raised busy(busy_);
        if (!Check(target, entry->second))
            Forget(entry);
    }
    Counted();
}

// Overlays are disabled, so the system does not activate them, but another program may still make
// one the foreground window (SetForegroundWindow does not ask): that counts as its target's.
HWND OverlayThread::Worker::RootOfForeground(HWND foreground) const {
    for (const auto& entry : overlays_)
        if (entry.second.window == foreground)
            return entry.second.root;
    return foreground ? RootOf(foreground) : nullptr;
}

std::map<HWND, OverlayThread::Worker::Overlay>::iterator
OverlayThread::Worker::Forget(std::map<HWND, Overlay>::iterator entry) {
    {
        const Shared::Held held(*shared_);
        const auto wanted = shared_->wanted.find(entry->first);
        if (wanted != shared_->wanted.end() && wanted->second.version <= entry->second.version)
            shared_->wanted.erase(wanted);
    }
    return overlays_.erase(entry);
}

namespace {

BOOL CALLBACK ListWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

// One listing of the top-level windows (a single question to the window system), then each
// shown window's rectangle down to the last target's top-level window, and no further; or, from
// a refresh period, the windows as it saw them, without a question.
void OverlayThread::Worker::ReadStacking(const std::vector<SeenWindow>* seen) {
    std::set<HWND> roots;      // not reached yet
    std::map<HWND, HWND> ours; // overlay window, its root
    for (const auto& [target, overlay] : overlays_) {
        roots.insert(overlay.root);
        if (overlay.window)
            ours.emplace(overlay.window, overlay.root);
    }
    std::vector<HWND> listed;
    std::map<HWND, const SeenWindow*> seenBy;
    if (seen) {
        for (const SeenWindow& window : *seen) {
            const auto handle = reinterpret_cast<HWND>(static_cast<uintptr_t>(window.window));
            listed.push_back(handle);
            seenBy.emplace(handle, &window);
        }
    } else {
        EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&listed));
    }
    Stacking now;
    HWND below = nullptr;
    for (HWND window : listed) {
        if (const auto overlay = ours.find(window); overlay != ours.end()) {
            if (!roots.count(overlay->second))
                now.misplaced.insert(window); // its root came first
            continue;
        }
        if (roots.empty())
            continue; // below every target nothing covers an overlay
        // A top-level window is shown when its own style says so: one question, not a walk.
        uint32_t style = 0;
        ScreenRect rect;
        bool shown = false;
        if (seen) {
            const SeenWindow& saw = *seenBy[window];
            style = saw.style;
            rect = saw.rect;
            shown = (style & WS_VISIBLE) != 0;
        } else {
            style = static_cast<uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
            RECT asked;
            shown = (style & WS_VISIBLE) != 0 && GetWindowRect(window, &asked);
            rect = shown ? ToScreenRect(asked) : ScreenRect{};
        }
        if (roots.erase(window))
            now.roots[window] = Listed{style, shown ? rect : ScreenRect{}, now.shown.size(), below};
        if (!shown)
            continue;
        if (!now.front)
            now.front = window;
        now.shown.push_back(rect);
        below = window;
    }
    stacking_ = std::move(now);
}

std::vector<ScreenRect> OverlayThread::Worker::Covered(HWND root, const ScreenRect& place) const {
    const auto found = stacking_.roots.find(root);
    if (found == stacking_.roots.end())
        return {};
    const std::vector<ScreenRect> above(stacking_.shown.begin(),
                                        stacking_.shown.begin() + static_cast<ptrdiff_t>(found->second.coveredBy));
    return CoveredParts(place, above);
}

TargetView OverlayThread::Worker::Observe(HWND target, const Overlay& overlay) const {
    TargetView view;
    // Each question is a round trip to the window system for another program's window: at a
    // timed look a shown top-level target has been asked its style and rectangle already.
    const HWND root = overlay.root;
    const auto listed = root == target && timedLook_ ? stacking_.roots.find(root) : stacking_.roots.end();
    const bool known = listed != stacking_.roots.end();
    RECT rect;
    if (known && (listed->second.style & WS_VISIBLE)) {
        view.window = listed->second.window;
        rect = RECT{view.window.left, view.window.top, view.window.right, view.window.bottom};
    } else if (GetWindowRect(target, &rect)) { // a window that is gone has none
        view.window = ToScreenRect(rect);
    } else {
        return view;
    }
    view.exists = true;
    // A top-level target answers both from its style.
    if (root == target) {
        const auto style = known ? listed->second.style : static_cast<uint32_t>(GetWindowLongPtrA(target, GWL_STYLE));
        view.visible = (style & WS_VISIBLE) != 0;
        view.minimised = (style & WS_MINIMIZE) != 0;
    } else {
        view.visible = IsWindowVisible(target) != FALSE;
        view.minimised = IsIconic(root) != FALSE;
    }
    view.cloaked = DwmCloaked(root);
    view.movingOrSizing = overlay.movingOrSizing;
    // Only a window that covers its whole monitor can be full-screen.
    if (overlay.picture && !(overlay.seen.window == view.window && !overlay.seen.fullScreen)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
            view.fullScreen = IsFullScreen(view.window, ToScreenRect(monitor.rcMonitor),
                                           view.window.top + overlay.picture->caption.bottom);
    }
    return view;
}

// While it looks at an overlay, the overlay thread alone draws into its window.
bool OverlayThread::Worker::Check(HWND target, Overlay& overlay) {
    TakeBack(target, overlay);
    if (!CheckTakenBack(target, overlay))
        return false;
    Publish(target, overlay);
    return true;
}

bool OverlayThread::Worker::CheckTakenBack(HWND target, Overlay& overlay) {
    const TargetView now = Observe(target, overlay);
    // A picture is taken to fit the target as it is when the picture arrives: it was composed
    // a moment ago, and a change of size since then asks for a new one at the next look anyway.
    if (overlay.pictureWidth == kWidthAtArrival)
        overlay.pictureWidth = now.window.Width();
    const OverlayStep step =
        NextStep(overlay.seen, now, overlay.picture ? overlay.pictureWidth : kNoPicture, overlay.shown);
    overlay.seen = now;
    if (step.destroy) {
        Destroy(target, overlay);
        return false;
    }
    if (step.askPicture)
        PostMessageA(painter_, WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(target));
    if (!step.show) {
        if (overlay.shown) {
            ShowWindow(overlay.window, SW_HIDE);
            overlay.shown = false;
        }
        return true;
    }
    const HWND root = overlay.root;
    const OverlayPicture& picture = *overlay.picture;
    const POINT at{now.window.left + picture.caption.left, now.window.top + picture.caption.top};
    std::vector<ScreenRect> covered =
        Covered(root, ScreenRect{at.x, at.y, at.x + picture.Width(), at.y + picture.Height()});
    if (CoversAll(covered, picture.Width(), picture.Height())) {
        if (!overlay.window)
            return true; // made once some of it comes into view
        const DWORD tick = GetTickCount();
        if (!overlay.buriedSince) {
            overlay.buriedSince = tick | 1;
        } else if (tick - overlay.buriedSince >= kBuriedMs) {
            Destroy(target, overlay);
            return true;
        }
    } else {
        overlay.buriedSince = 0;
    }
    if (!overlay.window) {
        // Disabled, so that no window manager hands it the activation: Wine activates the next
        // enabled window in the stacking order when one of this program's windows hides, whatever
        // WS_EX_NOACTIVATE says, and the window in front would then be an overlay, where no text
        // can scroll.
        overlay.window = CreateWindowExA(kOverlayExStyle, kOverlayWindowClass, "", WS_POPUP | WS_DISABLED, 0, 0, 0, 0,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!overlay.window)
            return true;
        // Owned by the target, the system keeps it above its target and hides it with it.
        SetWindowLongPtrA(overlay.window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(root));
        // Layered only to let clicks through: drawn like any window, which costs a scroll step
        // far less than putting a layered window's whole picture again, and shaped to its picture.
        SetLayeredWindowAttributes(overlay.window, 0, 255, LWA_ALPHA);
        overlay.surface = OverlaySurface{overlay.window, &shared_->lock, nullptr};
        SetWindowLongPtrA(overlay.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&overlay.surface));
        overlay.placed = ScreenRect{};
        overlay.shape.clear();
    }
    const bool watched = root == stacking_.front || root == foregroundRoot_;
    const bool recut =
        covered != overlay.covered && (watched || !CoversNoMore(covered, overlay.covered) || uncoveringLeft_-- > 0);
    const bool cut = !overlay.pictureShown || recut;
    if (cut) {
        overlay.covered = std::move(covered);
        std::vector<ScreenRect> shape = ShownParts(picture, overlay.covered);
        if (shape != overlay.shape) {
            Shape(overlay.window, shape);
            overlay.shape = std::move(shape);
        }
        overlay.surface.drawn = overlay.picture;
        overlay.pictureShown = true;
    }
    // A new place goes with the call that stacks the overlay, if there is one.
    const ScreenRect place{at.x, at.y, at.x + picture.Width(), at.y + picture.Height()};
    const ScreenRect* moveTo = place == overlay.placed ? nullptr : &place;
    overlay.placed = place;
    const bool appears = !overlay.shown;
    overlay.shown = true;
    // The overlays of the front window and of the foreground window go above everything on the
    // screen whenever either changes (the window was raised on the screen then, perhaps above
    // them), and any overlay found not showing; the others stay where they were raised. Each
    // leaves clear what covers its target.
    const bool again = std::exchange(overlay.raiseAgain, false);
    const bool raise = again || (watched && (appears || raisingLooks_ > 0));
    const auto listed = stacking_.roots.find(root);
    const HWND below = listed != stacking_.roots.end() ? listed->second.below : nullptr;
    if (raise) {
        RaiseOnScreen(overlay.window, appears, moveTo);
        PlaceBelow(overlay.window, below, false);
    } else if (appears || (watched && (step.place || stacking_.misplaced.count(overlay.window)))) {
        // Each move in the list costs a question for every window above (Wine keeps owned
        // windows above their owners that way): the others' overlays keep the place they were given.
        PlaceBelow(overlay.window, below, appears, moveTo);
    } else if (moveTo) {
        SetWindowPos(overlay.window, nullptr, place.left, place.top, place.Width(), place.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    if (cut)
        RedrawWindow(overlay.window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return true;
}

void OverlayThread::Worker::Publish(HWND target, Overlay& overlay) {
    const Shared::Held held(*shared_);
    const auto wanted = shared_->wanted.find(target);
    if (wanted == shared_->wanted.end())
        return;
    const bool showing = overlay.shown && overlay.window && overlay.pictureShown;
    wanted->second.onScreen = showing ? overlay.picture : nullptr;
    wanted->second.surface = showing ? &overlay.surface : nullptr;
    wanted->second.covered = overlay.covered;
}

void OverlayThread::Worker::TakeBack(HWND target, Overlay& overlay) {
    const Shared::Held held(*shared_);
    const auto found = shared_->wanted.find(target);
    if (found == shared_->wanted.end())
        return;
    Shared::Wanted& wanted = found->second;
    wanted.surface = nullptr;
    if (std::exchange(wanted.drawnInPlace, false)) {
        overlay.picture = wanted.picture;
        overlay.version = wanted.version;
    }
}

void OverlayThread::Worker::Destroy(HWND target, Overlay& overlay) {
    TakeBack(target, overlay);
    if (overlay.window) {
        DestroyWindow(overlay.window);
        KeepAnswering(16); // Wine asks every top-level window of other programs for its owner
    }
    overlay.window = nullptr;
    overlay.shown = false;
    overlay.pictureShown = false;
    overlay.buriedSince = 0;
}

// A program that raises or destroys one of its windows sends to the overlays that window owns and
// waits for the answer: while a look or a change goes through hundreds of targets, the messages
// sent meanwhile are answered every few targets, not once at the end.
void OverlayThread::Worker::KeepAnswering(int cost) {
    sinceAnswered_ += cost;
    if (sinceAnswered_ < 16)
        return;
    sinceAnswered_ = 0;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// Counts the entries, and looks at the targets on a timer while there are any and no refresh
// periods say when, while a change of the front window is being followed, or while an overlay
// under other windows waits to go.
void OverlayThread::Worker::Counted() {
    shared_->entries = overlays_.size();
    const bool buried = std::any_of(overlays_.begin(), overlays_.end(),
                                    [](const auto& entry) { return entry.second.window && entry.second.buriedSince; });
    const bool wanted = !overlays_.empty() && (!driven_ || raisingLooks_ > 0 || buried);
    if (wanted == timerRunning_)
        return;
    if (wanted)
        SetTimer(control_, kCheckTimer, checkPeriodMs_, nullptr);
    else
        KillTimer(control_, kCheckTimer);
    timerRunning_ = wanted;
}

void OverlayThread::Worker::OnTargetEvent(HWND window, DWORD event) {
    if (busy_)
        return; // delivered while the entries are gone through: the next look sees the change
    try {
        if (event == EVENT_SYSTEM_FOREGROUND) {
            CheckAll(); // the front and what covers each target may all have changed
            return;
        }
        for (auto it = overlays_.begin(); it != overlays_.end();) {
            auto& [target, overlay] = *it;
            if (target != window && overlay.root != window) {
                ++it;
                continue;
            }
            if (event == EVENT_SYSTEM_MOVESIZESTART || event == EVENT_SYSTEM_MOVESIZEEND)
                overlay.movingOrSizing = event == EVENT_SYSTEM_MOVESIZESTART;
            if (event == EVENT_OBJECT_NAMECHANGE && target == window)
                PostMessageA(painter_, WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(target));
            it = Check(target, overlay) ? std::next(it) : Forget(it);
        }
        Counted();
    } catch (...) {
        // As in the control window: the next look tries again.
    }
}

OverlayThread::OverlayThread(HWND painter, UINT checkPeriodMs) : shared_(std::make_shared<Shared>()) {
    shared_->started.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!shared_->started)
        return;
    auto worker = std::make_unique<Worker>(shared_, painter, checkPeriodMs);
    thread_.Reset(CreateThread(nullptr, 0, Worker::Run, worker.get(), 0, nullptr));
    if (!thread_)
        return;
    (void)worker.release(); // the thread's now
    // A thread slower to start than this is still used once it has: see Shared::control.
    WaitForSingleObject(shared_->started.Get(), kStartTimeoutMs);
}

OverlayThread::~OverlayThread() {
    if (!thread_)
        return;
    // A thread that starts after this sees stopping and ends at once; one that has started
    // has published its window, which the stop message reaches.
    shared_->stopping = true;
    if (const HWND control = shared_->control)
        PostMessageA(control, kStopMessage, 0, 0);
    WaitForSingleObject(thread_.Get(), kStopTimeoutMs);
}

void OverlayThread::Wake() {
    const HWND control = shared_->control;
    if (control && !shared_->wakePending.exchange(true))
        PostMessageA(control, kReconcileMessage, 0, 0);
}

void OverlayThread::Show(HWND target, const OverlayPicture& picture) {
    {
        const Shared::Held held(*shared_);
        const auto found = shared_->wanted.find(target);
        if (found != shared_->wanted.end() && *found->second.picture == picture)
            return;
    }
    // Copied outside the lock: the overlay thread never waits for a copy of sixty pictures.
    auto shared = std::make_shared<const OverlayPicture>(picture);
    {
        const Shared::Held held(*shared_);
        Shared::Wanted& wanted = shared_->wanted[target];
        // A scroll step changes a few columns of a picture on the screen: drawn here, it needs no
        // wake-up of the overlay thread forty times a second, which takes the picture as its own
        // when it next looks at the overlay.
        wanted.drawnInPlace = wanted.DrawInPlace(shared);
        wanted.picture = std::move(shared);
        wanted.version = ++shared_->nextVersion;
        shared_->changed.insert(target);
        if (wanted.drawnInPlace)
            return;
    }
    Wake();
}

void OverlayThread::Withdraw(HWND target) {
    {
        const Shared::Held held(*shared_);
        if (shared_->wanted.erase(target) == 0)
            return;
        shared_->changed.insert(target);
    }
    Wake();
}

void OverlayThread::WithdrawAll() {
    {
        const Shared::Held held(*shared_);
        if (shared_->wanted.empty())
            return;
        for (const auto& entry : shared_->wanted)
            shared_->changed.insert(entry.first);
        shared_->wanted.clear();
    }
    Wake();
}

void OverlayThread::LookedAtByPeriods(bool driven) {
    if (const HWND control = shared_->control)
        PostMessageA(control, kDrivenMessage, driven ? 1 : 0, 0);
}

void OverlayThread::Look(std::vector<SeenWindow> topLevel) {
    const HWND control = shared_->control;
    if (!control)
        return;
    {
        const Shared::Held held(*shared_);
        shared_->seen = std::move(topLevel);
        shared_->seenWaiting = true;
    }
    PostMessageA(control, kLookMessage, 0, 0);
}

void OverlayThread::ShowAgain(HWND target) {
    if (const HWND control = shared_->control)
        PostMessageA(control, kShowAgainMessage, 0, reinterpret_cast<LPARAM>(target));
}

// One row across the middle of the caption, read from the screen: no question to the target's
// program, and a few to the window system.
bool OverlayThread::ShowsOnScreen(HWND target, const ScreenRect& window) {
    std::shared_ptr<const OverlayPicture> picture;
    std::vector<ScreenRect> covered;
    {
        const Shared::Held held(*shared_);
        const auto found = shared_->wanted.find(target);
        if (found == shared_->wanted.end())
            return false;
        picture = found->second.onScreen;
        if (!picture)
            return true; // hidden on purpose, or not there yet: nothing of it can be covered
        covered = found->second.covered;
    }
    const int32_t width = picture->Width();
    const int32_t row = picture->Height() / 2;
    if (width < 1)
        return false;
    if (!screen_) {
        // Under Wine each question about the screen's size asks the Wine server three times
        // whether the displays changed: it is asked once, and again after a display change.
        screen_.Reset(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
        if (!screen_)
            return false;
        screenWidth_ = GetDeviceCaps(screen_.Get(), HORZRES);
        screenHeight_ = GetDeviceCaps(screen_.Get(), VERTRES);
    }
    const HDC memory = screenRow_.Get(width, 1);
    const int32_t x = window.left + picture->caption.left;
    const int32_t y = window.top + picture->caption.top + row;
    if (!memory || !BitBlt(memory, 0, 0, width, 1, screen_.Get(), x, y, SRCCOPY))
        return false;
    GdiFlush();
    // Only what lies on the screen can show there.
    if (y < 0 || y >= screenHeight_)
        return true;
    const uint32_t* shown = screenRow_.Row(0);
    const uint32_t* wanted = picture->pixels.data() + static_cast<size_t>(row) * static_cast<size_t>(width);
    constexpr uint32_t kOpaque = 0xFF000000;
    constexpr uint32_t kColour = 0x00FFFFFF;
    for (int32_t i = std::max(0, -x); i < width && x + i < screenWidth_; ++i)
        if ((wanted[i] & kOpaque) == kOpaque && ((wanted[i] ^ shown[i]) & kColour) != 0 &&
            std::none_of(covered.begin(), covered.end(), [&](const ScreenRect& part) {
                return part.left <= i && i < part.right && part.top <= row && row < part.bottom;
            }))
            return false;
    return true;
}

void OverlayThread::DisplayChanged() {
    screen_.Reset();
}

size_t OverlayThread::TargetsKept() const {
    const Shared::Held held(*shared_);
    return shared_->wanted.size() + shared_->entries;
}

} // namespace bndx
