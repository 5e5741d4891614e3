// A program of its own for tests that watch another process's windows: shows a captioned window
// titled by its first argument, retitles it to the second argument after half a second, and
// ends after two seconds.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    const char* title = argc > 1 ? argv[1] : "Caption subject";
    const char* retitle = argc > 2 ? argv[2] : "Caption subject retitled";
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 260, 120, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return 1;
    const DWORD start = GetTickCount();
    bool retitled = false;
    while (GetTickCount() - start < 2000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (!retitled && GetTickCount() - start > 500) {
            SetWindowTextA(window, retitle);
            retitled = true;
        }
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}
