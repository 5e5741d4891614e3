#include "painter/paint/win32_desktop.h"

#include "common/caption_geometry.h"

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

} // namespace

WindowId Win32Desktop::ForegroundWindow() const {
    return ToWindowId(GetForegroundWindow());
}

void Win32Desktop::ForEachTopLevel(const std::function<void(WindowId)>& visit) const {
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&visit));
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

int32_t Win32Desktop::OuterWidth(WindowId window) const {
    RECT bounds{};
    GetWindowRect(ToHandle(window), &bounds);
    return bounds.right - bounds.left;
}

std::string Win32Desktop::Title(WindowId window, size_t maxLength) const {
    std::vector<char> buffer(maxLength + 1);
    const int length = GetWindowTextA(ToHandle(window), buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace bndx
