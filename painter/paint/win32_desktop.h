// The desktop as the window system reports it, for caption selection.
#pragma once

#include "painter/paint/desktop_view.h"

#include <windows.h>

namespace bndx {

inline HWND ToHandle(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

inline WindowId ToWindowId(HWND window) {
    return reinterpret_cast<WindowId>(window);
}

class Win32Desktop : public DesktopView {
public:
    WindowId ForegroundWindow() const override;
    void ForEachTopLevel(const std::function<void(WindowId)>& visit) const override;
    void ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const override;
    uint32_t Style(WindowId window) const override;
    uint32_t ExStyle(WindowId window) const override;
    ScreenRect Rect(WindowId window) const override;
    WindowId SiblingAbove(WindowId window) const override;
    WindowTitle Title(WindowId window) const override;
    int32_t ClientTopOnScreen(WindowId window) const override;
    uint32_t Dpi(WindowId window) const override;
    std::string ProgramPath(WindowId window) const override;
};

} // namespace bndx
