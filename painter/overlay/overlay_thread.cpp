#include "painter/overlay/overlay_thread.h"

#include "common/painter_messages.h"
#include "painter/overlay/dwm_frame.h"
#include "platform/dib/kept_surface.h"

#include <utility>
#include <vector>

namespace bndx {

namespace {

constexpr UINT kReconcileMessage = WM_APP + 1; // the wanted pictures changed
constexpr UINT kStopMessage = WM_APP + 2;      // destroy every overlay and end the thread
constexpr UINT_PTR kCheckTimer = 1;
constexpr int32_t kWidthAtArrival = -1;
constexpr int32_t kNoPicture = -2; // fits no window
constexpr DWORD kStartTimeoutMs = 5000;
// A thread stalled by a hung target is left to end with the process; its windows go with it.
constexpr DWORD kStopTimeoutMs = 2000;

constexpr DWORD kOverlayExStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The top-level window a target belongs to: overlays are owned by it and stacked above it.
HWND RootOf(HWND target) {
    HWND root = GetAncestor(target, GA_ROOT);
    return root ? root : target;
}

// Walks up the stacking order from root over the shown windows (where hidden windows lie among
// the shown ones is not always kept up to date) and root's overlays, the windows of this thread
// it owns: whether overlay is among them, and in above the first shown window beyond them.
bool AmongOverlaysAbove(HWND overlay, HWND root, HWND& above) {
    bool found = false;
    for (HWND window = GetWindow(root, GW_HWNDPREV); window; window = GetWindow(window, GW_HWNDPREV)) {
        if (!IsWindowVisible(window))
            continue;
        if (GetWindow(window, GW_OWNER) != root || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
            above = window;
            return found;
        }
        found = found || window == overlay;
    }
    above = nullptr;
    return found;
}

// Moves overlay directly above root and its other overlays in the stacking order. Only our own
// window changes place, so nothing here waits for the target's thread. Unless restack is set, an
// overlay already there is left alone; a restack there costs little, and after the overlay
// appears or its target comes to the front it is what keeps Wine showing the overlay, not only
// listing it, above its target.
void PlaceAbove(HWND overlay, HWND root, bool restack) {
    HWND above = nullptr;
    if (AmongOverlaysAbove(overlay, root, above) && !restack)
        return;
    SetWindowPos(overlay, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// Puts a picture into a layered window at a place on the screen, through a surface kept for it.
void UpdatePicture(HWND overlay, const OverlayPicture& picture, POINT at, KeptSurface& surface) {
    const int32_t width = picture.Width();
    const int32_t height = picture.Height();
    if (width < 1 || height < 1)
        return;
    const HDC memory = surface.Get(width, height);
    if (!memory)
        return;
    GdiFlush();
    for (int32_t y = 0; y < height; ++y)
        CopyMemory(surface.Row(y), picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width),
                   static_cast<size_t>(width) * sizeof(uint32_t));
    SIZE size{width, height};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(overlay, nullptr, &at, &size, memory, &origin, 0, &blend, ULW_ALPHA);
}

} // namespace

// The overlay thread's own state: the overlay windows and what it last saw of their targets.
class OverlayThread::Worker : private TargetEventSink {
public:
    Worker(OverlayThread& owner, HWND painter, UINT checkPeriodMs)
        : owner_(owner), painter_(painter), checkPeriodMs_(checkPeriodMs) {}

    static DWORD WINAPI Run(void* parameter);

private:
    struct Overlay {
        HWND window = nullptr;
        HWND root = nullptr;  // the target's top-level window, which owns the overlay
        uint64_t version = 0; // of the picture it holds
        std::shared_ptr<const OverlayPicture> picture;
        int32_t pictureWidth = 0;
        bool pictureShown = false; // the picture it holds is the one on screen
        bool shown = false;
        bool movingOrSizing = false;
        TargetView seen;
    };

    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Start();
    void Reconcile();
    void CheckAll();
    void Check(HWND target, Overlay& overlay);
    TargetView Observe(HWND target, const Overlay& overlay) const;
    void Destroy(Overlay& overlay);
    void UpdateTimer();
    void OnTargetEvent(HWND window, DWORD event) override;

    OverlayThread& owner_;
    HWND painter_;
    UINT checkPeriodMs_;
    HWND control_ = nullptr;
    bool timerRunning_ = false;
    HWND foreground_ = nullptr;
    bool foregroundChanged_ = false; // since the last look
    std::map<HWND, Overlay> overlays_;
    KeptSurface surface_; // each new picture passes through it on its way to its overlay
};

DWORD WINAPI OverlayThread::Worker::Run(void* parameter) {
    auto* worker = static_cast<Worker*>(parameter);
    const HANDLE started = worker->owner_.started_.Get();
    if (!worker->Start()) {
        SetEvent(started);
        return 1;
    }
    worker->owner_.control_ = worker->control_;
    SetEvent(started);
    TargetEvents events(*worker);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

bool OverlayThread::Worker::Start() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA overlayClass{};
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
            worker->owner_.wakePending_ = false;
            worker->Reconcile();
            return 0;
        case WM_TIMER:
            worker->CheckAll();
            return 0;
        case kStopMessage:
            for (auto& entry : worker->overlays_)
                worker->Destroy(entry.second);
            worker->overlays_.clear();
            DestroyWindow(window);
            PostQuitMessage(0);
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
    std::vector<std::pair<HWND, Wanted>> wanted;
    {
        const Held held(owner_);
        wanted.assign(owner_.wanted_.begin(), owner_.wanted_.end());
    }

    std::vector<HWND> changed;
    std::map<HWND, Overlay> kept;
    for (auto& [target, want] : wanted) {
        auto found = overlays_.find(target);
        Overlay overlay;
        if (found != overlays_.end()) {
            overlay = std::move(found->second);
            overlays_.erase(found);
        }
        if (overlay.version != want.version) {
            overlay.version = want.version;
            overlay.picture = want.picture;
            overlay.pictureWidth = kWidthAtArrival;
            overlay.pictureShown = false;
            changed.push_back(target);
        }
        kept.emplace(target, std::move(overlay));
    }
    for (auto& entry : overlays_)
        Destroy(entry.second); // withdrawn
    overlays_ = std::move(kept);
    // The others are looked at by the timer: a scroll step changes one picture, not sixty.
    for (HWND target : changed)
        Check(target, overlays_[target]);
    UpdateTimer();
}

void OverlayThread::Worker::CheckAll() {
    const HWND foreground = GetForegroundWindow();
    foregroundChanged_ = foreground != foreground_;
    foreground_ = foreground;
    for (auto it = overlays_.begin(); it != overlays_.end();) {
        Check(it->first, it->second);
        // A target that is gone keeps no entry; the main thread withdraws it at its next pass.
        it = it->second.seen.exists || it->second.window ? std::next(it) : overlays_.erase(it);
    }
    UpdateTimer();
}

TargetView OverlayThread::Worker::Observe(HWND target, const Overlay& overlay) const {
    TargetView view;
    RECT rect;
    // A window that is gone has no rectangle; asking this first spares a separate question.
    if (!GetWindowRect(target, &rect))
        return view;
    view.exists = true;
    view.window = ToScreenRect(rect);
    // Each question is a round trip to the window system for another program's window: a
    // top-level target answers both from its style.
    const HWND root = overlay.root;
    if (root == target) {
        const auto style = static_cast<uint32_t>(GetWindowLongPtrA(target, GWL_STYLE));
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

void OverlayThread::Worker::Check(HWND target, Overlay& overlay) {
    if (!overlay.root)
        overlay.root = RootOf(target); // a window keeps its top-level window for life
    const TargetView now = Observe(target, overlay);
    // A picture is taken to fit the target as it is when the picture arrives: it was composed
    // a moment ago, and a change of size since then asks for a new one at the next look anyway.
    if (overlay.pictureWidth == kWidthAtArrival)
        overlay.pictureWidth = now.window.Width();
    const OverlayStep step =
        NextStep(overlay.seen, now, overlay.picture ? overlay.pictureWidth : kNoPicture, overlay.shown);
    overlay.seen = now;
    if (step.destroy) {
        Destroy(overlay);
        return;
    }
    if (step.askPicture)
        PostMessageA(painter_, WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(target));
    if (!step.show) {
        if (overlay.shown)
            ShowWindow(overlay.window, SW_HIDE);
        overlay.shown = false;
        return;
    }
    const HWND root = overlay.root;
    if (!overlay.window) {
        overlay.window = CreateWindowExA(kOverlayExStyle, kOverlayWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!overlay.window)
            return;
        // Owned by the target, the system keeps it above its target and hides it with it.
        SetWindowLongPtrA(overlay.window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(root));
    }
    const POINT at{now.window.left + overlay.picture->caption.left, now.window.top + overlay.picture->caption.top};
    if (!overlay.pictureShown) {
        UpdatePicture(overlay.window, *overlay.picture, at, surface_);
        overlay.pictureShown = true;
    } else if (step.place) {
        SetWindowPos(overlay.window, nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    const bool appears = !overlay.shown;
    if (appears)
        ShowWindow(overlay.window, SW_SHOWNA);
    overlay.shown = true;
    // Not every system keeps a window owned across processes above its owner once the owner is
    // activated: the place is asserted again whenever the overlay shows or moves, and at every
    // look while its target is in front, where activation raises it.
    if (appears || step.place || root == foreground_)
        PlaceAbove(overlay.window, root, appears || step.place || foregroundChanged_);
}

void OverlayThread::Worker::Destroy(Overlay& overlay) {
    if (overlay.window)
        DestroyWindow(overlay.window);
    overlay.window = nullptr;
    overlay.shown = false;
    overlay.pictureShown = false;
}

void OverlayThread::Worker::UpdateTimer() {
    const bool wanted = !overlays_.empty();
    if (wanted == timerRunning_)
        return;
    if (wanted)
        SetTimer(control_, kCheckTimer, checkPeriodMs_, nullptr);
    else
        KillTimer(control_, kCheckTimer);
    timerRunning_ = wanted;
}

void OverlayThread::Worker::OnTargetEvent(HWND window, DWORD event) {
    try {
        if (event == EVENT_SYSTEM_FOREGROUND) {
            foregroundChanged_ = window != foreground_;
            foreground_ = window;
        }
        for (auto& [target, overlay] : overlays_) {
            if (target != window && overlay.root != window)
                continue;
            if (event == EVENT_SYSTEM_MOVESIZESTART || event == EVENT_SYSTEM_MOVESIZEEND)
                overlay.movingOrSizing = event == EVENT_SYSTEM_MOVESIZESTART;
            if (event == EVENT_OBJECT_NAMECHANGE && target == window)
                PostMessageA(painter_, WM_PAINT_CAPTION, 0, reinterpret_cast<LPARAM>(target));
            Check(target, overlay);
        }
    } catch (...) {
        // As in the control window: the next look tries again.
    }
}

OverlayThread::OverlayThread(HWND painter, UINT checkPeriodMs) {
    InitializeCriticalSection(&lock_);
    started_.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    worker_ = std::make_unique<Worker>(*this, painter, checkPeriodMs);
    if (!started_)
        return;
    thread_.Reset(CreateThread(nullptr, 0, Worker::Run, worker_.get(), 0, nullptr));
    if (thread_)
        WaitForSingleObject(started_.Get(), kStartTimeoutMs);
}

OverlayThread::~OverlayThread() {
    if (thread_) {
        if (control_)
            PostMessageA(control_, kStopMessage, 0, 0);
        if (WaitForSingleObject(thread_.Get(), kStopTimeoutMs) != WAIT_OBJECT_0)
            (void)worker_.release(); // still in use by a thread the process's end will take along
    }
    DeleteCriticalSection(&lock_);
}

void OverlayThread::Wake() {
    if (control_ && !wakePending_.exchange(true))
        PostMessageA(control_, kReconcileMessage, 0, 0);
}

void OverlayThread::Show(HWND target, const OverlayPicture& picture) {
    // Only this thread writes the wanted pictures, so it may read them without the lock.
    const auto found = wanted_.find(target);
    if (found != wanted_.end() && *found->second.picture == picture)
        return;
    auto shared = std::make_shared<const OverlayPicture>(picture);
    {
        const Held held(*this);
        Wanted& wanted = wanted_[target];
        wanted.picture = std::move(shared);
        wanted.version = ++nextVersion_;
    }
    Wake();
}

void OverlayThread::Withdraw(HWND target) {
    if (wanted_.find(target) == wanted_.end())
        return;
    {
        const Held held(*this);
        wanted_.erase(target);
    }
    Wake();
}

void OverlayThread::WithdrawAll() {
    if (wanted_.empty())
        return;
    {
        const Held held(*this);
        wanted_.clear();
    }
    Wake();
}

} // namespace bndx
