// The desktop as the window system reports it, for caption selection.
#pragma once

#include "painter/paint/desktop_view.h"

#include <windows.h>

#include <vector>

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
    int32_t OuterWidth(WindowId window) const override;
    std::string Title(WindowId window, size_t maxLength) const override;
    int32_t ClientTop(WindowId window) const override;
    uint32_t Dpi(WindowId window) const override;
    std::string ProgramPath(WindowId window) const override;

private:
    // The descendants of one window as an enumeration listed them: depth first, so that each
    // window's own descendants follow it directly.
    struct Listing {
        HWND root;
        std::vector<HWND> windows;
        size_t visiting; // the window whose visit runs now
    };
    void VisitBelow(Listing& listing, size_t at, const std::function<void(WindowId)>& visit) const;

    // The listing whose visits run now. Asking the system for a window's children costs a round
    // trip per window below it, so the descendants of a window visited from a listing are taken
    // from that listing.
    mutable Listing* listing_ = nullptr;
};

} // namespace bndx
