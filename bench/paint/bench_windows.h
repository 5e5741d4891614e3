// The benchmark's desktop as both its programs make it: cascaded top-level windows, the last one
// in front, each with its captioned children side by side in its client area.
#pragma once

#include <windows.h>

#include <cstdio>
#include <vector>

namespace bench {

constexpr int kTopLevelCount = 20;
constexpr int kChildrenEach = 2;
constexpr int kWindowWidth = 500;
constexpr int kWindowHeight = 250;
constexpr int kCascadeStep = 26; // every caption stays in view
constexpr char kWindowClass[] = "BndxBenchWindow";

// Makes the windows in this process, top-level windows each followed by its children, and
// brings the last top-level window to the front.
inline std::vector<HWND> MakeBenchWindows() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    std::vector<HWND> all;
    char title[64];
    for (int n = 0; n < kTopLevelCount; ++n) {
        std::snprintf(title, sizeof(title), "Bench window %d of %d", n + 1, kTopLevelCount);
        // Clipping its children keeps a window's own redraw to its own frame.
        HWND window = CreateWindowExA(0, kWindowClass, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                      10 + n * kCascadeStep, 10 + n * kCascadeStep, kWindowWidth, kWindowHeight,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
        all.push_back(window);
        for (int c = 0; c < kChildrenEach; ++c) {
            std::snprintf(title, sizeof(title), "Bench child %d of window %d", c + 1, n + 1);
            all.push_back(CreateWindowExA(0, kWindowClass, title,
                                          WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_VISIBLE, 10 + c * 240,
                                          10, 230, 150, window, nullptr, windowClass.hInstance, nullptr));
        }
    }
    SetForegroundWindow(all[all.size() - 1 - kChildrenEach]);
    return all;
}

} // namespace bench
