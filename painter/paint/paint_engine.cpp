#include "painter/paint/paint_engine.h"

#include "common/desktop_composition_win32.h"
#include "common/painter_messages.h"
#include "painter/paint/into_caption_presenter.h"
#include "painter/paint/overlay_presenter.h"
#include "painter/paint/user32_function.h"
#include "painter/paint/window_dpi.h"
#include "platform/framework/message_box.h"
#include "platform/framework/program.h"
#include "platform/framework/scoped_gdi.h"
#include "platform/framework/win32_handles.h"

#include <cstdlib>
#include <ctime>
#include <string>

namespace bndx {

namespace {

constexpr UINT kNonClientMetricsSize = 340; // the record before its padded-border field
constexpr char kHookModule[] = "BndxHook.dll";
constexpr char kHookProc[] = "HookProc";
constexpr char kProgramName[] = "Banderix";
// How often the overlays look at their targets on their own, where no window events arrive
// (under Wine) and no refresh periods say when (the hook method), and while they follow a change
// of the front window: within this time an overlay follows a moved, minimised or closed target.
constexpr UINT kOverlayCheckMs = 100;
// WM_DWMCOMPOSITIONCHANGED, which the headers of the oldest Windows the programs run on lack.
constexpr UINT kCompositionChanged = 0x031E;
// The pass after windows moved away: its own timer, beside the scheduler's three.
constexpr UINT_PTR kUncoveredTimer = TIMER_SCROLL_FREQUENCY + 1;
constexpr UINT kUncoveredSettleMs = 150;
// How late a refresh or frequency tick may come, as a share of its period: 1/4.
constexpr UINT kCoalescingShare = 4;

// One hook for the program, whichever engine installed it.
UniqueModule g_hookModule;
UniqueHook g_hook;

// The hook module beside the program, never one found elsewhere on the search path.
std::string HookModulePath() {
    return ProgramDirectory() + kHookModule;
}

void ShowLastError() {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   GetLastError(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
                   nullptr);
    const UniqueLocal owned(text);
    ShowMessageBox(text ? text : "", kErrorCaption, MB_OK | MB_ICONINFORMATION);
}

} // namespace

PaintEngine::PaintEngine(HWND owner, const PainterSettings& settings, const ForegroundSelection& foregrounds)
    : owner_(owner), settings_(settings), foregrounds_(foregrounds), state_(SystemCaptionMetricsAt),
      desktopComposes_(DesktopComposes()), presenter_(std::make_unique<IntoCaptionPresenter>(state_.in256ColourMode)),
      renderer_({scheduler_, settings_, state_}),
      selection_(watched_, settings_.WindowCoverage, state_, settings_.LeaveAlone), sessionNotifications_(owner) {
    PresentAsChosen();
}

PaintEngine::~PaintEngine() {
    scheduler_.OnDestroy();
    presenter_->WithdrawAll();
}

void PaintEngine::StartPainting() {
    state_.paintingEnabled = true;
}

void PaintEngine::ChooseBackground(CBackgroundEntry* entry) {
    const bool hadBackground = state_.background != nullptr;
    // A background without a picture would paint whatever the composition last held; it paints
    // as "None" does instead, while its row stays selected and saved.
    state_.background = entry && entry->HasPicture() ? entry : nullptr;
    LookChanged();
    scheduler_.OnBackgroundSelChange(hadBackground, state_.background != nullptr);
}

void PaintEngine::ForegroundsChanged() {
    scheduler_.OnForegroundSelChange();
}

void PaintEngine::OptionsOpening() {
    stepPeriodBeforeOptions_ = scheduler_.GetTimerPeriod(TIMER_SCROLL_STEP);
    frequencyPeriodBeforeOptions_ = scheduler_.GetTimerPeriod(TIMER_SCROLL_FREQUENCY);
}

void PaintEngine::OptionsClosed() {
    scheduler_.OnOptionsClosed(stepPeriodBeforeOptions_, frequencyPeriodBeforeOptions_);
}

void PaintEngine::OptionsApplied(bool coverageChanged, bool methodChanged, bool refreshRateChanged,
                                 bool paintModeChanged) {
    if (paintModeChanged)
        PresentAsChosen();
    LookChanged();
    // Like another coverage, another way of painting starts from captions the system has drawn
    // afresh, so that nothing of the old way stays on screen.
    scheduler_.OnOptionsApplied(coverageChanged || paintModeChanged, methodChanged, refreshRateChanged);
}

void PaintEngine::Close() {
    state_.paintingEnabled = false;
    scheduler_.OnClose();
}

void PaintEngine::OwnerDestroyed() {
    scheduler_.OnDestroy();
}

void PaintEngine::UsePresenter(std::unique_ptr<CaptionPresenter> presenter) {
    presenter_->WithdrawAll();
    presenter_ = std::move(presenter);
    presenter_->PeriodsRun(scheduler_.IsRunning(TIMER_REFRESH));
    records_.PaintInto(presentation_ == Presentation::IntoCaption);
}

void PaintEngine::LookChanged() {
    ++generation_;
}

void PaintEngine::PresentAsChosen() {
    const Presentation chosen = ChoosePresentation(settings_.PaintMode, desktopComposes_);
    if (chosen == presentation_)
        return;
    presentation_ = chosen;
    const bool over = chosen == Presentation::OverCaption;
    renderer_.KeepIconClear(over);
    if (over)
        UsePresenter(std::make_unique<OverlayPresenter>(owner_, kOverlayCheckMs));
    else
        UsePresenter(std::make_unique<IntoCaptionPresenter>(state_.in256ColourMode));
}

void PaintEngine::ReadMetrics() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0);
    state_.metricsByDpi.Reset(CaptionMetrics{metrics.iBorderWidth, metrics.iCaptionHeight, metrics.iSmCaptionHeight},
                              SystemDpi());
    // The system redraws every frame after such a change, and the windows' DPIs may be others.
    watched_.ForgetAll();
    LookChanged();
}

void PaintEngine::ReadColourDepth() {
    const ClientDc screen(nullptr);
    state_.in256ColourMode = GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) == 8;
    LookChanged();
}

void PaintEngine::ReadSystemSettings() {
    system_.highContrast = HighContrastOn();
    system_.clientAreaAnimation = ClientAreaAnimationOn();
    scheduler_.OnPermissionChanged(PermissionFor(system_));
}

void PaintEngine::OnSessionChange(WPARAM change) {
    session_ = AfterSessionChange(session_, static_cast<int32_t>(change));
    system_.sessionOnScreen = session_.OnScreen();
    scheduler_.OnPermissionChanged(PermissionFor(system_));
}

bool PaintEngine::QuietNow() {
    return QuietFor(UserNotificationState());
}

bool PaintEngine::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kUncoveredTimer) {
            ::KillTimer(owner_, kUncoveredTimer);
            uncoveredPassDue_ = false;
            if (state_.paintingEnabled)
                RefreshCaptions();
            return true;
        }
        if (wParam < TIMER_REFRESH || wParam > TIMER_SCROLL_FREQUENCY)
            return false;
        scheduler_.OnTimer(static_cast<TimerKind>(wParam));
        return true;
    case kSessionChangeMessage:
        OnSessionChange(wParam);
        return true;
    case WM_PAINT_CAPTION:
        if (!state_.paintingEnabled || !scheduler_.Permission().paint)
            return true;
        if (wParam == kCaptionsUncovered)
            OnCaptionsUncovered();
        else
            OnPaintCaption(reinterpret_cast<HWND>(lParam));
        return true;
    case WM_DISPLAYCHANGE:
        // A monitor's depth, size or scale changed: the windows' DPIs are read again, which
        // otherwise follow only the windows' moves.
        watched_.ForgetAll();
        ReadColourDepth();
        presenter_->DisplayChanged();
        return false;
    case kCompositionChanged:
        desktopComposes_ = DesktopComposes();
        PresentAsChosen();
        return true;
    case WM_EXCLUDE_WINDOW:
        state_.excludedWindow = wParam == 0 ? static_cast<WindowId>(lParam) : 0;
        LookChanged();
        if (state_.excludedWindow)
            presenter_->Withdraw(ToHandle(state_.excludedWindow)); // its caption is another program's now
        return true;
    default:
        return false;
    }
}

namespace {

// The hook reports a window while the system is still about to redraw its caption (the hook
// runs before the window's own handling of the message). Painting then would lose the race to
// that redraw, so the window's thread is first asked to finish what it is doing: an empty
// message it answers once it is back in its message loop. A hung window costs a bounded wait.
void WaitForWindowToSettle(HWND window) {
    constexpr UINT kSettleTimeoutMs = 50;
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
        return;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSettleTimeoutMs, &ignored);
}

} // namespace

// The hook, or the overlay of a window whose size changed, asks for the window's caption.
void PaintEngine::OnPaintCaption(HWND window) {
    if (painting_)
        return;
    WaitForWindowToSettle(window);
    try {
        watched_.Changed(ToWindowId(window));
        selection_.SelectWindow(ToWindowId(window), false, selected_);
        const HWND foreground = GetForegroundWindow();
        PaintSelected(foreground, false);
        ResumeScrollOn(foreground);
    } catch (...) {
        ShowMessageBox("Exception in Painting Window", kErrorCaption);
    }
}

namespace {

// Marks a pass for the renderer, which asks for the foreground window once in it, and for the
// engine, which starts no pass inside another (a message box's loop runs timers).
class PassScope {
public:
    PassScope(CaptionRenderer& renderer, HWND foreground, bool& painting) : renderer_(renderer), painting_(painting) {
        painting_ = true;
        renderer_.BeginPass(foreground);
    }
    ~PassScope() {
        renderer_.EndPass();
        painting_ = false;
    }
    PassScope(const PassScope&) = delete;
    PassScope& operator=(const PassScope&) = delete;

private:
    CaptionRenderer& renderer_;
    bool& painting_;
};

} // namespace

// Work follows change: a caption is composed and handed to the presenter only when something it
// follows from changed, or (into the caption) when a look finds the system drew over it.
void PaintEngine::PaintPass() {
    if (painting_)
        return;
    const PassScope pass(renderer_, ToHandle(watched_.ForegroundWindow()), painting_);
    records_.Pass(
        selected_, watched_, generation_,
        [this](const SelectedCaption& selected) {
            return presenter_->StillShows(ToHandle(selected.window),
                                          CaptionSight{selected.rect,
                                                       watched_.CoversOver(selected.window, CaptionOnScreen(selected)),
                                                       selected.window == watched_.ForegroundWindow()});
        },
        [this](const SelectedCaption& selected) { return DrawCaption(selected, false); },
        [this](WindowId window) { presenter_->Forget(ToHandle(window)); });
}

// What is painted outside a pass (a scroll step, a window the hook reported) is no state a pass
// would paint: the next pass paints those captions whole, or hands them back.
void PaintEngine::PaintSelected(HWND foreground, bool scrollStep) {
    if (painting_)
        return;
    const PassScope pass(renderer_, foreground, painting_);
    for (const SelectedCaption& selected : selected_) {
        DrawCaption(selected, scrollStep);
        records_.PaintedOutsidePass(selected);
    }
}

bool PaintEngine::DrawCaption(const SelectedCaption& selected, bool scrollStep) {
    const HWND window = ToHandle(selected.window);
    if (!selected.paint) {
        presenter_->Withdraw(window);
        return false;
    }
    const CaptionRect& byMetrics = selected.caption;
    const WindowStyles& styles = selected.styles;
    const uint32_t dpi = selected.dpi;
    // Over the caption, the frame as the desktop draws it today decides where the caption lies.
    const bool over = presentation_ == Presentation::OverCaption;
    const CaptionFrame frame = over ? FrameOf(selected) : CaptionFrame{byMetrics, false, {}};
    const CaptionRect& caption = frame.caption;
    Composition composition = renderer_.Compose(window, caption, styles, dpi, selected.title, scrollStep);
    if (composition.scroll &&
        scheduler_.OnScrollPlaced(*composition.scroll, scrollStep) == AfterScroll::kRepaintWithoutText)
        composition = renderer_.Compose(window, caption, styles, dpi, selected.title, false);
    if (frame.hasButtonBounds)
        composition.composed.buttons = CaptionButtonAreas{true, frame.buttons, false, {}};
    composition.composed.scrollStep = scrollStep;
    switch (composition.outcome) {
    case Composition::Outcome::kComposed:
        presenter_->Present(window, composition.composed);
        return true;
    case Composition::Outcome::kSystemsOwn:
        presenter_->Withdraw(window);
        return true;
    case Composition::Outcome::kLeaveAsIs:
        break;
    }
    return false;
}

// The desktop window manager's frame of the window the text scrolls on is asked once, not at
// every step: it follows from the window's rectangle and styles and the system's metrics.
CaptionFrame PaintEngine::FrameOf(const SelectedCaption& selected) {
    const CaptionRect& byMetrics = selected.caption;
    KeptFrame& kept = keptFrame_;
    const bool same = kept.window == selected.window && kept.rect == selected.rect &&
                      kept.style == selected.styles.style && kept.exStyle == selected.styles.exStyle &&
                      kept.generation == generation_ && kept.byMetrics == byMetrics;
    if (!same)
        kept = KeptFrame{selected.window,
                         selected.rect,
                         selected.styles.style,
                         selected.styles.exStyle,
                         generation_,
                         byMetrics,
                         CaptionFrameOf(ToHandle(selected.window), byMetrics)};
    return kept.frame;
}

// A window moved away or vanished. The captions it uncovered can show again as the system drew
// them, from the system's own copy of the screen and without any message that the hook could
// report; so once the moves have settled, one pass paints what is not painted. Passes of the
// refresh timer do that anyway.
void PaintEngine::OnCaptionsUncovered() {
    if (uncoveredPassDue_ || scheduler_.IsRunning(TIMER_REFRESH))
        return; // a burst of moves, a window dragged: one pass at a time
    uncoveredPassDue_ = ::SetTimer(owner_, kUncoveredTimer, kUncoveredSettleMs, nullptr) != 0;
}

void PaintEngine::RefreshCaptions() {
    if (painting_ || !scheduler_.Permission().paint)
        return;
    watched_.BeginPeriod();
    selection_.SelectPass(selected_);
    PaintPass();
    if (presentation_ == Presentation::OverCaption) {
        painted_.clear();
        for (const SelectedCaption& selected : selected_)
            if (selected.paint)
                painted_.push_back(selected.window);
        presenter_->DesktopSeen(watched_, watched_.Sight(painted_));
    }
    ResumeScrollOn(ToHandle(watched_.ForegroundWindow()));
}

// A scroll that rested while no window in front could show it goes on once one can.
void PaintEngine::ResumeScrollOn(HWND foreground) {
    for (const SelectedCaption& selected : selected_)
        if (selected.paint && selected.window == ToWindowId(foreground))
            scheduler_.ResumeScroll();
}

// What the period saw of the front window serves its steps: a step asks the system only which
// window is in front.
void PaintEngine::PaintScrollStep() {
    if (painting_)
        return;
    const HWND foreground = GetForegroundWindow();
    selected_.clear();
    if (foreground && PassesCaptionTest(watched_.Style(ToWindowId(foreground))))
        selection_.SelectWindow(ToWindowId(foreground), true, selected_);
    // Nothing in front shows the text: the step timer rests rather than wake the program for
    // nothing, until a period or a reported window finds a caption in front.
    if (selected_.empty())
        scheduler_.PauseScroll();
    PaintSelected(foreground, true);
}

// Out-of-context window events about other programs' windows: their arrival shows that the
// system reports such changes (Wine reports none), and from then on the periods look only at
// what was reported.
void PaintEngine::OnTargetEvent(HWND window, DWORD) {
    watched_.TrustReports(true);
    watched_.Changed(ToWindowId(window));
}

void PaintEngine::SetHook(bool install) {
    if (install) {
        try {
            if (g_hook)
                return;
            // A module left loaded by an earlier failure is used again rather than loaded twice.
            if (!g_hookModule)
                g_hookModule.Reset(LoadLibraryA(HookModulePath().c_str()));
            if (!g_hookModule) {
                ShowMessageBox("Failed at GetModuleHandle", kErrorCaption);
                return;
            }
            auto* proc =
                reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(g_hookModule.Get(), kHookProc)));
            if (!proc) {
                ShowMessageBox("Failed at GetProcAddress", kErrorCaption);
                return;
            }
            g_hook.Reset(SetWindowsHookExA(WH_CALLWNDPROC, proc, g_hookModule.Get(), 0));
            if (!g_hook)
                ShowMessageBox("Failed at SetWindowsHookEx", kErrorCaption);
        } catch (...) {
            ShowMessageBox("Exception in SetHook TRUE", kErrorCaption);
        }
        return;
    }
    try {
        if (!g_hook.Reset())
            ShowLastError();
        g_hookModule.Reset();
    } catch (...) {
        ShowMessageBox("Exception in SetHook FALSE", kErrorCaption);
    }
}

SchedulingSettings PaintEngine::Settings() const {
    return SchedulingSettings{settings_.GetRefreshFrequency(), settings_.GetSpeed(), settings_.GetFrequency(),
                              settings_.GetPaintByType()};
}

// The refresh and frequency ticks may come a little late, with other wake-ups of the system,
// where it can say so (Windows 8 and later); scroll steps keep their time.
int32_t PaintEngine::SetTimer(TimerKind kind, uint32_t periodMs) {
    using CoalescableTimer = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);
    static const auto setCoalescable = User32Function<CoalescableTimer>("SetCoalescableTimer");
    const auto id = static_cast<UINT_PTR>(kind);
    const UINT_PTR set = setCoalescable && kind != TIMER_SCROLL_STEP
                             ? setCoalescable(owner_, id, periodMs, nullptr, periodMs / kCoalescingShare)
                             : ::SetTimer(owner_, id, periodMs, nullptr);
    if (set && kind == TIMER_REFRESH && !scheduler_.IsRunning(TIMER_REFRESH)) // not when only set again
        presenter_->PeriodsRun(true);
    return set ? static_cast<int32_t>(set) : -1;
}

void PaintEngine::KillTimer(TimerKind kind) {
    ::KillTimer(owner_, static_cast<UINT_PTR>(kind));
    if (kind == TIMER_REFRESH)
        presenter_->PeriodsRun(false);
}

void PaintEngine::InvalidateAllWindows() {
    presenter_->WithdrawAll();
    records_.ForgetAll();
    // Marked for redrawing, not redrawn: InvalidateRect for every window at once redraws them
    // before it returns, waiting on each window's thread, so one program that has stopped
    // answering would hold Banderix with it.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool PaintEngine::HasBackground() const {
    return state_.background != nullptr;
}

void PaintEngine::ShowMessage(const std::string& text) {
    ShowMessageBox(text, kProgramName);
}

int32_t PaintEngine::SelectedForegroundCount() const {
    return foregrounds_.SelectedCount();
}

LineSource* PaintEngine::SelectedForeground(int32_t n) const {
    return foregrounds_.SelectedEntry(n);
}

int32_t PaintEngine::RandomBelow(int32_t n) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return std::rand() % n;
}

} // namespace bndx
