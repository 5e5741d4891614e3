// Captioned windows of this program, made and destroyed many at a time, as a busy desktop makes
// and closes them, while Banderix may be painting them over the caption.
//   churn_bench destroy N    N windows: how long destroying them all takes, and how long the
//                            overlays Banderix laid over them stay after that
//   churn_bench rounds N R   R rounds of N windows made and destroyed: Banderix's memory after
//                            each round, once its overlays have gone
//   churn_bench hold N S     N small shown windows that do nothing, for S seconds: as many
//                            top-level windows of another program as Banderix's overlays, to
//                            tell what their mere existence costs a program closing windows
#include "common/painter_messages.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

int OverlaysShown() {
    int shown = 0;
    for (HWND overlay = FindWindowExA(nullptr, nullptr, bndx::kOverlayWindowClass, nullptr); overlay;
         overlay = FindWindowExA(nullptr, overlay, bndx::kOverlayWindowClass, nullptr))
        shown += IsWindowVisible(overlay) ? 1 : 0;
    return shown;
}

// Until the count of shown overlays has not changed for two seconds, at most limitMs.
int SettledOverlays(DWORD limitMs) {
    const DWORD start = GetTickCount();
    int last = OverlaysShown();
    DWORD since = start;
    while (GetTickCount() - start < limitMs && GetTickCount() - since < 2000) {
        Pump(200);
        const int now = OverlaysShown();
        if (now != last)
            since = GetTickCount();
        last = now;
    }
    return last;
}

std::vector<HWND> MakeWindows(int count) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "ChurnWindow";
    RegisterClassA(&windowClass);
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
        char title[32];
        std::snprintf(title, sizeof(title), "Churn %d", i);
        // Cascaded over the whole desktop, each caption partly in view.
        windows.push_back(CreateWindowExA(0, "ChurnWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, (i * 23) % 700,
                                          (i * 17) % 600, 300, 120, nullptr, nullptr, GetModuleHandleA(nullptr),
                                          nullptr));
    }
    return windows;
}

// Banderix's private bytes: Wine fills PagefileUsage, the same commit charge, for another process.
double BanderixMegabytes() {
    const HWND main = FindWindowA("#32770", "Banderix");
    DWORD id = 0;
    if (!main || !GetWindowThreadProcessId(main, &id))
        return -1;
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    PROCESS_MEMORY_COUNTERS counters{};
    const bool read = process && GetProcessMemoryInfo(process, &counters, sizeof(counters));
    if (process)
        CloseHandle(process);
    return read ? static_cast<double>(counters.PagefileUsage) / (1024.0 * 1024.0) : -1;
}

void Hold(int count, int seconds) {
    for (int i = 0; i < count; ++i)
        CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 10 + i, 10 + i, 60, 20, nullptr, nullptr,
                        GetModuleHandleA(nullptr), nullptr);
    Pump(static_cast<DWORD>(seconds) * 1000);
}

} // namespace

int main(int argc, char** argv) {
    const bool rounds = argc == 4 && std::strcmp(argv[1], "rounds") == 0;
    if (argc == 4 && std::strcmp(argv[1], "hold") == 0) {
        Hold(std::atoi(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    if (!(argc == 3 && std::strcmp(argv[1], "destroy") == 0) && !rounds) {
        std::fprintf(stderr, "usage: churn_bench destroy N | rounds N R | hold N S\n");
        return 2;
    }
    const int count = std::atoi(argv[2]);
    const int roundCount = rounds ? std::atoi(argv[3]) : 1;
    std::printf("start banderix_mb=%.1f\n", BanderixMegabytes());
    for (int round = 0; round < roundCount; ++round) {
        const std::vector<HWND> windows = MakeWindows(count);
        const int overlays = SettledOverlays(60000);
        const double start = NowMs();
        for (HWND window : windows)
            DestroyWindow(window);
        const double destroyed = NowMs();
        while (OverlaysShown() > 0 && NowMs() - destroyed < 180000)
            Pump(50);
        const double gone = NowMs();
        Pump(1000);
        std::printf("round=%d windows=%d overlays=%d destroy_ms=%.0f overlays_gone_ms=%.0f banderix_mb=%.1f\n", round,
                    count, overlays, destroyed - start, gone - destroyed, BanderixMegabytes());
        std::fflush(stdout);
    }
    return 0;
}
