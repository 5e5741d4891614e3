// Commands from menus, accelerators and the toolbar go to the first target in the route that
// has them: the active view, its document, its frame, the main frame, the application. The
// same question decides whether a menu item or button is enabled, so a command nobody handles
// is shown disabled.
#pragma once

#include <windows.h>

namespace bndx {

class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when this target runs the command; enabled then says whether it can run now.
    virtual bool HasCommand(UINT id, bool& enabled) {
        (void)id;
        (void)enabled;
        return false;
    }
    // Runs the command; false when this target does not have it.
    virtual bool RunCommand(UINT id) {
        (void)id;
        return false;
    }
};

} // namespace bndx
