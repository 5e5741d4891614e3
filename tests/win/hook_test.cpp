// BndxHook.dll installed for the whole desktop, as Banderix installs it: which windows it reports.
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bndx::test {
namespace {

bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// The hook module loaded by path and installed for every thread; removed again when destroyed.
class InstalledHook {
public:
    InstalledHook() : module_(LoadLibraryA(DistPath("BndxHook.dll").c_str())) {
        auto* proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module_, "HookProc")));
        if (proc)
            hook_ = SetWindowsHookExA(WH_CALLWNDPROC, proc, module_, 0);
    }
    ~InstalledHook() {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        if (module_)
            FreeLibrary(module_);
    }
    bool Installed() const { return hook_ != nullptr; }

private:
    HMODULE module_;
    HHOOK hook_ = nullptr;
};

// Another program's window reported through the hook is what the painter's end-to-end cases see
// painted; here, which windows are reported: a captionless one only for what it may uncover.
TEST(BndxHook, ReportsCaptionedWindowsRedrawnAndAnyWindowMovedAway) {
    PainterStandIn painter;
    InstalledHook hook;
    ASSERT_TRUE(hook.Installed());
    TestWindow captioned("Hooked captioned", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 240, 120);
    TestWindow plain("Hooked plain", WS_POPUP | WS_VISIBLE, 0, 120, 60);

    SetWindowTextA(captioned.Handle(), "Hooked captioned, retitled");
    SetWindowTextA(plain.Handle(), "Hooked plain, retitled");
    EXPECT_TRUE(WaitFor([&] { return Contains(painter.PaintRequests(), captioned.Handle()); }, 2000));
    PumpMessages(200);
    EXPECT_FALSE(Contains(painter.PaintRequests(), plain.Handle())) << "a window without a caption was reported";
    SetWindowPos(plain.Handle(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitFor([&] { return Contains(painter.UncoverReports(), plain.Handle()); }, 2000))
        << "moved away, it may have uncovered captions";
}

} // namespace
} // namespace bndx::test
