#include "painter/overlay/target_events.h"

#include <utility>

namespace bndx {

namespace {

// The system calls back without a context; one sink per thread.
thread_local TargetEventSink* t_sink = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    // Only the windows themselves, not their scroll bars, carets or other parts.
    if (t_sink && window && object == OBJID_WINDOW && child == CHILDID_SELF)
        t_sink->OnTargetEvent(window, event);
}

struct EventRange {
    DWORD first;
    DWORD last;
};

constexpr EventRange kEvents[] = {
    {EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND},
    {EVENT_SYSTEM_MOVESIZESTART, EVENT_SYSTEM_MOVESIZEEND},
    {EVENT_SYSTEM_MINIMIZESTART, EVENT_SYSTEM_MINIMIZEEND},
    {EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE},
    {EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_NAMECHANGE},
    {0x8017, 0x8018}, // cloaked and uncloaked, newer than the headers of older systems
};

} // namespace

TargetEvents::TargetEvents(TargetEventSink& sink) {
    t_sink = &sink;
    for (const EventRange& range : kEvents) {
        UniqueWinEventHook hook(SetWinEventHook(range.first, range.last, nullptr, OnWinEvent, 0, 0,
                                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
        if (hook)
            hooks_.push_back(std::move(hook));
    }
}

TargetEvents::~TargetEvents() {
    hooks_.clear(); // no event arrives after the sink has gone
    t_sink = nullptr;
}

} // namespace bndx
