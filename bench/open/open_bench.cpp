// Times the editor's opening of a text foreground, from File Open until its window has been
// drawn, and reports the memory it takes. The document, its form and its list are the editor's
// own, in a main frame of this program's own with Bandsmith's resources linked in.
#include "editor/documents/foreground_doc.h"
#include "editor/views/foreground_view.h"
#include "platform/framework/doc_application.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "resources/editor/resource.h"

#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>

namespace {

// Opening names the file in the recent-file list, which lives with the application object.
class BenchApplication : public bndx::DocApplication {
protected:
    bool InitInstance() override { return false; }
} g_application;

const bndx::RuntimeClass<bndx::MdiChild> kPlainFrame{"MdiChild",
                                                     []() -> bndx::MdiChild* { return new bndx::MdiChild; }};

size_t PeakKilobytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakWorkingSetSize / 1024;
}

double ProcessorMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// Everything the open left to do: sizing, activation and the first paint of every window.
void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: open_bench FOREGROUND-FILE\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    bndx::MdiFrame frame;
    if (!frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW))
        return 1;
    ShowWindow(frame.Handle(), SW_SHOW);
    UpdateWindow(frame.Handle());
    DrainMessages();
    bndx::DocTemplate foreground{IDR_FOREGROUNDTYPE, bndx::CForegroundDoc::Class, kPlainFrame,
                                 bndx::CForegroundView::Class};

    const size_t peakBefore = PeakKilobytes();
    const double processorBefore = ProcessorMs();
    const auto start = std::chrono::steady_clock::now();
    bndx::Document* document = foreground.OpenDocumentFile(argv[1]);
    DrainMessages();
    RedrawWindow(frame.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const auto end = std::chrono::steady_clock::now();

    // What the form's list shows, as the document handed it over.
    const HWND list = document ? GetDlgItem(document->FirstView()->Handle(), IDC_STRING_LIST) : nullptr;
    const int lines = list ? static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    std::printf("open lines=%d ms=%.1f cpu_ms=%.1f peak_before_kb=%zu peak_after_kb=%zu\n", lines,
                std::chrono::duration<double, std::milli>(end - start).count(), ProcessorMs() - processorBefore,
                peakBefore, PeakKilobytes());
    return lines > 0 ? 0 : 1;
}
