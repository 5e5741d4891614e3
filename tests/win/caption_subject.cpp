// A program of its own for tests that watch another process's windows: shows a captioned window
// titled by its first argument, retitles it to the second argument after half a second, and
// ends after two seconds, or after the milliseconds of the third argument. With "hang" as its
// only argument it shows a window titled "Hung subject" and handles its messages for three
// seconds, then stops handling them, as a program that hangs, and ends after a minute.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

void PumpFor(DWORD milliseconds, HWND window, const char* retitle) {
    const DWORD start = GetTickCount();
    bool retitled = retitle == nullptr;
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        if (!retitled && GetTickCount() - start > 500) {
            SetWindowTextA(window, retitle);
            retitled = true;
        }
        Sleep(10);
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool hang = argc == 2 && std::strcmp(argv[1], "hang") == 0;
    const char* title = hang ? "Hung subject" : argc > 1 ? argv[1] : "Caption subject";
    const char* retitle = hang ? nullptr : argc > 2 ? argv[2] : "Caption subject retitled";
    const DWORD lifetime = hang ? 3000 : argc > 3 ? static_cast<DWORD>(std::stoul(argv[3])) : 2000;
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 260, 120, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return 1;
    PumpFor(lifetime, window, retitle);
    if (hang)
        Sleep(60000);
    DestroyWindow(window);
    return 0;
}
