#include "bench/startup/watched_program.h"

#include "common/painter_messages.h"
#include "resources/painter/resource.h"
#include "tests/win/desktop.h"

#include <cstring>

namespace bndx::bench {

namespace {

// The main window is looked at this often between its creation and its hiding; the looks are
// requests to the Wine server, so they are not made any faster than this.
constexpr DWORD kLookPeriodMs = 1;
constexpr double kConfirmHiddenMs = 300;

// One program is watched at a time; the system's event callback finds it here.
WatchedProgram* watched = nullptr;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// The main window's title and class; the one-time hint dialog shares them, so it is told apart
// later by the list it lacks.
bool TitledLikeMainWindow(HWND window) {
    char title[64] = {};
    GetWindowTextA(window, title, sizeof(title)); // the text the system keeps: no message to a busy owner
    return std::strcmp(title, kPainterWindowTitle) == 0 && ClassOf(window) == "#32770" &&
           GetAncestor(window, GA_PARENT) == GetDesktopWindow();
}

} // namespace

LONGLONG CounterNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double MillisecondsSince(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1e3 * static_cast<double>(CounterNow() - ticks) / static_cast<double>(frequency);
}

WatchedProgram::WatchedProgram() {
    // Wine reports the creation of windows and changes of focus, but not their showing and
    // hiding; those are looked for. Out of context, so that nothing of this process is loaded
    // into the program; for every process, so that the hook is in place before its first window.
    hook_.Reset(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_FOCUS, nullptr, OnEvent, 0, 0,
                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    watched = this;
}

WatchedProgram::~WatchedProgram() {
    watched = nullptr;
    if (Running()) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

bool WatchedProgram::Running() const {
    return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

void CALLBACK WatchedProgram::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG child, DWORD, DWORD) {
    if (watched && window && child == CHILDID_SELF)
        watched->Note(event, window);
}

void WatchedProgram::Note(DWORD event, HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!processId_ || owner != processId_ || times_.hidden >= 0)
        return;
    const double now = MillisecondsSince(startTicks_);
    if (event == EVENT_OBJECT_CREATE && TitledLikeMainWindow(window)) {
        created_[window] = now;
    } else if (event == EVENT_OBJECT_FOCUS && times_.focused < 0) {
        const HWND dialog = GetAncestor(window, GA_ROOT);
        const auto found = created_.find(dialog);
        if (found != created_.end() && GetDlgItem(dialog, IDC_FOREGROUND_LIST)) {
            main_ = dialog;
            times_.created = found->second;
            times_.focused = now;
        }
    }
}

bool WatchedProgram::Look() {
    if (!main_)
        return false;
    const double now = MillisecondsSince(startTicks_);
    if (IsWindowVisible(main_)) {
        if (times_.shown < 0)
            times_.shown = now;
        hiddenSince_ = -1; // what looked hidden was the moment before it was shown
        return false;
    }
    if (hiddenSince_ < 0)
        hiddenSince_ = now;
    // Unseen, the showing was shorter than one look: the first hidden look stands once it has
    // lasted long enough to rule out that the window was merely not shown yet.
    if (times_.shown >= 0 || now - hiddenSince_ >= kConfirmHiddenMs) {
        times_.hidden = hiddenSince_;
        return true;
    }
    return false;
}

bool WatchedProgram::Start(const std::string& path, DWORD timeoutMs) {
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    startTicks_ = CounterNow();
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
        return false;
    const UniqueKernelObject thread(info.hThread);
    process_.Reset(info.hProcess);
    processId_ = info.dwProcessId;
    // The events reach this thread only as it pumps messages, so none is lost while the id is unknown.
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (Look())
            return true;
        if (!Running() || MillisecondsSince(startTicks_) > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kLookPeriodMs, QS_ALLINPUT);
    }
}

Ending WatchedProgram::End(DWORD timeoutMs) {
    Ending ending;
    if (!process_)
        return ending;
    const LONGLONG posted = CounterNow();
    if (main_)
        PostMessageA(main_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(main_, IDOK)));
    ending.closed = test::WaitFor([this] { return !Running(); }, timeoutMs);
    ending.ms = MillisecondsSince(posted);
    if (!ending.closed) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    ending.exitCode = static_cast<long>(code);
    return ending;
}

} // namespace bndx::bench
