// Every overlay window of the program, made, fed and moved by a thread of its own. Owning a
// window of another thread joins the two threads' input, so a target that stops answering may
// stall this thread, never the main window or its dialogs. The main thread only says what each
// target's overlay should show; it posts, and never waits for this thread while it runs.
#pragma once

#include "painter/overlay/overlay_rules.h"
#include "painter/overlay/target_events.h"
#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>

namespace bndx {

class OverlayThread {
public:
    // painter receives WM_PAINT_CAPTION for a target whose overlay needs a picture of a new size.
    // Targets are looked at every checkPeriodMs, and at once when the system reports a change.
    OverlayThread(HWND painter, UINT checkPeriodMs);
    // No overlay stays: all are destroyed with the thread.
    ~OverlayThread();
    OverlayThread(const OverlayThread&) = delete;
    OverlayThread& operator=(const OverlayThread&) = delete;

    // From the main thread. The target's overlay is to show picture, composed for the target's
    // size at the time; a picture it already shows changes nothing.
    void Show(HWND target, const OverlayPicture& picture);
    void Withdraw(HWND target);
    void WithdrawAll();

private:
    // What the main thread wants a target's overlay to show. Written by the main thread only,
    // under the lock; the overlay thread takes copies under the lock.
    struct Wanted {
        std::shared_ptr<const OverlayPicture> picture;
        uint64_t version = 0;
    };
    class Worker;

    // The lock over the wanted pictures for a scope, released however the scope ends.
    class Held {
    public:
        explicit Held(const OverlayThread& thread) : lock_(thread.lock_) { EnterCriticalSection(&lock_); }
        ~Held() { LeaveCriticalSection(&lock_); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        CRITICAL_SECTION& lock_;
    };

    void Wake();

    mutable CRITICAL_SECTION lock_;
    std::map<HWND, Wanted> wanted_;
    uint64_t nextVersion_ = 0;
    std::atomic<bool> wakePending_{false};
    std::unique_ptr<Worker> worker_;
    UniqueKernelObject started_;
    UniqueKernelObject thread_;
    HWND control_ = nullptr;
};

} // namespace bndx
