// Out-of-context window events about other programs' windows (moved, retitled, shown, hidden,
// destroyed, brought to the front, minimised, moved or sized by the user, cloaked), delivered
// through the message loop of the thread that made this object. The overlays' tracking treats
// them like its timer: a reason to look at a target now rather than at the next tick.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <vector>

namespace bndx {

class TargetEventSink {
public:
    virtual void OnTargetEvent(HWND window, DWORD event) = 0;

protected:
    ~TargetEventSink() = default;
};

// One per thread.
class TargetEvents {
public:
    explicit TargetEvents(TargetEventSink& sink);
    ~TargetEvents();
    TargetEvents(const TargetEvents&) = delete;
    TargetEvents& operator=(const TargetEvents&) = delete;

private:
    std::vector<UniqueWinEventHook> hooks_;
};

} // namespace bndx
