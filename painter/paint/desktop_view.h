// The few questions window selection asks of the desktop, so that the selection rules can run
// against the real window system or against a simulated desktop in tests.
#pragma once

#include "painter/overlay/overlay_rules.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bndx {

// A window handle as a number; 0 is no window.
using WindowId = uintptr_t;

// A title as the system holds it, in UTF-16 code units, without a terminator. A vector rather
// than a wide string: the runtime's wide string would add some 35 KB to the 32-bit program.
using WindowTitle = std::vector<wchar_t>;

// The longest title read: far more than any caption shows.
constexpr size_t kTitleCapacity = 511;

class DesktopView {
public:
    virtual ~DesktopView() = default;

    virtual WindowId ForegroundWindow() const = 0;
    // Every top-level window, in the system's order: front first.
    virtual void ForEachTopLevel(const std::function<void(WindowId)>& visit) const = 0;
    // Every descendant of a window, not only its direct children, in the system's order.
    virtual void ForEachDescendant(WindowId window, const std::function<void(WindowId)>& visit) const = 0;
    virtual uint32_t Style(WindowId window) const = 0;
    virtual uint32_t ExStyle(WindowId window) const = 0;
    // The window's outer rectangle on the screen; empty for a window that is gone.
    virtual ScreenRect Rect(WindowId window) const = 0;
    // The sibling just above a child window in its parent's stacking order; 0 for the top one.
    virtual WindowId SiblingAbove(WindowId window) const = 0;
    // The title, cut to kTitleCapacity units.
    virtual WindowTitle Title(WindowId window) const = 0;
    // Where on the screen the window's client area begins, from the top (below the caption even
    // where the window is no taller than its caption).
    virtual int32_t ClientTopOnScreen(WindowId window) const = 0;
    // The DPI of the monitor the window is on, as the system tells it; 0 where it cannot say.
    virtual uint32_t Dpi(WindowId window) const = 0;
    // The executable of the process that made the window: its full path, or only its file name
    // where no more can be read (a process of higher rights), or empty where nothing can be.
    // Never changes for a window; each question costs a trip to the window server.
    virtual std::string ProgramPath(WindowId window) const = 0;
};

} // namespace bndx
