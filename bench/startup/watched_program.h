// Banderix started as its user starts it, watched from outside on its way to the tray, and ended
// as its "Close" button ends it.
#pragma once

#include "platform/framework/win32_handles.h"

#include <map>
#include <string>

namespace bndx::bench {

// Moments of one start, in milliseconds from just before the process was created; -1 when
// the moment was not seen.
struct StartTimes {
    double created = -1; // the main window exists
    double focused = -1; // dialog creation has given a control the focus, just before showing it
    double shown = -1;   // seen visible; a showing shorter than one look is missed
    double hidden = -1;  // seen hidden again: start-up is over, the program sits in the tray
};

struct Ending {
    bool closed = false; // ended through its Close button in time; otherwise ended by force
    long exitCode = -1;
    double ms = 0; // from the posted command to the end of the process
};

class WatchedProgram {
public:
    WatchedProgram();
    // Ends the process by force if it is still running.
    ~WatchedProgram();
    WatchedProgram(const WatchedProgram&) = delete;
    WatchedProgram& operator=(const WatchedProgram&) = delete;

    // Starts the program in its own folder and pumps messages until start-up is over, the
    // process has ended or the time has run out; true when start-up was seen to end.
    bool Start(const std::string& path, DWORD timeoutMs);
    const StartTimes& Times() const { return times_; }
    HWND MainWindow() const { return main_; }
    HANDLE Process() const { return process_.Get(); }
    bool Running() const;
    // Posts the Close button's command and waits for the process to end; ends it by force
    // when it does not end in time.
    Ending End(DWORD timeoutMs);

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                                 DWORD time);
    void Note(DWORD event, HWND window);
    // One look at the main window; true once start-up is over.
    bool Look();

    UniqueWinEventHook hook_;
    UniqueKernelObject process_;
    DWORD processId_ = 0;
    LONGLONG startTicks_ = 0;
    std::map<HWND, double> created_; // top-level windows of the process titled like the main window
    HWND main_ = nullptr;
    StartTimes times_;
    double hiddenSince_ = -1; // the first look that found it hidden, while unconfirmed
};

// Milliseconds of the performance counter since a reading of it.
double MillisecondsSince(LONGLONG ticks);
LONGLONG CounterNow();

} // namespace bndx::bench
