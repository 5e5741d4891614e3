#include "painter/paint/win32_desktop.h"

#include "common/caption_geometry.h"
#include "painter/overlay/system_rect.h"
#include "painter/paint/program_path.h"
#include "painter/paint/window_dpi.h"

namespace bndx {

static_assert(style::kThickFrame == WS_THICKFRAME && style::kDlgFrame == WS_DLGFRAME && style::kVisible == WS_VISIBLE &&
                  style::kMinimize == WS_MINIMIZE && style::kSysMenu == WS_SYSMENU &&
                  style::kMinimizeBox == WS_MINIMIZEBOX && style::kMaximizeBox == WS_MAXIMIZEBOX &&
                  style::kExToolWindow == WS_EX_TOOLWINDOW,
              "style bits");

namespace {

BOOL CALLBACK VisitWindow(HWND window, LPARAM context) {
    (*reinterpret_cast<const std::function<void(WindowId)>*>(context))(ToWindowId(window));
    return TRUE; // an enumeration never stops early
}

} // namespace

WindowId Win32Desktop::ForegroundWindow() const {
    return ToWindowId(GetForegroundWindow());
}

// The desktop's own listing rather than EnumWindows: the same windows in the same order, but Wine's
// EnumWindows asks the server whether each listed window still exists before it visits it, a round
// trip per window. A window destroyed meanwhile answers as gone to every later question.
void Win32Desktop::ForEachTopLevel(const std::function<void(WindowId)>& visit) const {
    EnumDesktopWindows(nullptr, VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

void Win32Desktop::ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const {
    EnumChildWindows(ToHandle(window), VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

uint32_t Win32Desktop::Style(WindowId window) const {
    return static_cast<uint32_t>(GetWindowLongA(ToHandle(window), GWL_STYLE));
}

uint32_t Win32Desktop::ExStyle(WindowId window) const {
    return static_cast<uint32_t>(GetWindowLongA(ToHandle(window), GWL_EXSTYLE));
}

ScreenRect Win32Desktop::Rect(WindowId window) const {
    RECT bounds{};
    GetWindowRect(ToHandle(window), &bounds);
    return ToScreenRect(bounds);
}

WindowId Win32Desktop::SiblingAbove(WindowId window) const {
    return ToWindowId(GetWindow(ToHandle(window), GW_HWNDPREV));
}

// The client area's origin alone, one trip to the server under Wine, where GetWindowInfo makes
// five (the styles, the class, the foreground window besides the rectangles).
int32_t Win32Desktop::ClientTopOnScreen(WindowId window) const {
    POINT origin{0, 0};
    ClientToScreen(ToHandle(window), &origin);
    return origin.y;
}

uint32_t Win32Desktop::Dpi(WindowId window) const {
    return WindowDpi(ToHandle(window));
}

std::string Win32Desktop::ProgramPath(WindowId window) const {
    return ProgramPathOf(ToHandle(window));
}

// Read as the system holds it, never by a message to the window's program (which may hang):
// one question to the window system. GetWindowText would read the same for another program's
// window, but under Wine it first asks which process owns the window, a second round trip.
WindowTitle Win32Desktop::Title(WindowId window) const {
    wchar_t buffer[kTitleCapacity + 1];
    const int length = InternalGetWindowText(ToHandle(window), buffer, static_cast<int>(kTitleCapacity + 1));
    return WindowTitle(buffer, buffer + (length > 0 ? length : 0));
}

} // namespace bndx
