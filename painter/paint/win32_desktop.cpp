#include "painter/paint/win32_desktop.h"

#include "common/caption_geometry.h"
#include "painter/paint/program_path.h"
#include "painter/paint/window_dpi.h"

#include <vector>

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

BOOL CALLBACK ListWindow(HWND window, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    return TRUE;
}

// Whether window lies below ancestor, both listed under root.
bool IsBelow(HWND window, HWND ancestor, HWND root) {
    constexpr int kDeepest = 256; // a loop in a changing tree must not hang us
    HWND parent = GetAncestor(window, GA_PARENT);
    for (int depth = 0; parent && parent != root && depth < kDeepest; ++depth) {
        if (parent == ancestor)
            return true;
        parent = GetAncestor(parent, GA_PARENT);
    }
    return false;
}

} // namespace

WindowId Win32Desktop::ForegroundWindow() const {
    return ToWindowId(GetForegroundWindow());
}

void Win32Desktop::ForEachTopLevel(const std::function<void(WindowId)>& visit) const {
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
}

void Win32Desktop::ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const {
    const HWND handle = ToHandle(window);
    if (listing_) {
        Listing& outer = *listing_;
        if (outer.windows[outer.visiting] == handle) {
            VisitBelow(outer, outer.visiting, visit);
            return;
        }
    }
    Listing listing{handle, {}, 0};
    EnumChildWindows(handle, ListWindow, reinterpret_cast<LPARAM>(&listing.windows));
    struct Current {
        Current(Listing*& slot, Listing* now) : slot(slot), before(slot) { slot = now; }
        ~Current() { slot = before; }
        Listing*& slot;
        Listing* before;
    } current(listing_, &listing);
    for (size_t i = 0; i < listing.windows.size(); ++i) {
        listing.visiting = i;
        visit(ToWindowId(listing.windows[i]));
    }
}

// The windows below the listed one at `at` are those that follow it while they lie below it; the
// system's enumeration lists every window's descendants right after it.
void Win32Desktop::VisitBelow(Listing& listing, size_t at, const std::function<void(WindowId)>& visit) const {
    const HWND ancestor = listing.windows[at];
    for (size_t i = at + 1; i < listing.windows.size() && IsBelow(listing.windows[i], ancestor, listing.root); ++i) {
        listing.visiting = i;
        visit(ToWindowId(listing.windows[i]));
    }
    listing.visiting = at;
}

uint32_t Win32Desktop::Style(WindowId window) const {
    return static_cast<uint32_t>(GetWindowLongA(ToHandle(window), GWL_STYLE));
}

uint32_t Win32Desktop::ExStyle(WindowId window) const {
    return static_cast<uint32_t>(GetWindowLongA(ToHandle(window), GWL_EXSTYLE));
}

int32_t Win32Desktop::OuterWidth(WindowId window) const {
    RECT bounds{};
    GetWindowRect(ToHandle(window), &bounds);
    return bounds.right - bounds.left;
}

// Both rectangles in one question (one server round trip under Wine). The client area's top stays
// below the caption even when a window is no taller than its caption.
int32_t Win32Desktop::ClientTop(WindowId window) const {
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    GetWindowInfo(ToHandle(window), &info);
    return info.rcClient.top - info.rcWindow.top;
}

uint32_t Win32Desktop::Dpi(WindowId window) const {
    return WindowDpi(ToHandle(window));
}

std::string Win32Desktop::ProgramPath(WindowId window) const {
    return ProgramPathOf(ToHandle(window));
}

std::string Win32Desktop::Title(WindowId window, size_t maxLength) const {
    std::vector<char> buffer(maxLength + 1);
    const int length = GetWindowTextA(ToHandle(window), buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace bndx
