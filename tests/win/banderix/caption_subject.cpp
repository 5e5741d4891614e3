// A program of its own for tests that watch another process's windows: shows a captioned window
// titled by its first argument until it is ended. With "hang" as its second argument it handles
// its messages for three seconds, then stops handling them, as a program that hangs.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc < 2 || !CreateWindowExA(0, "STATIC", argv[1], WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 260, 120,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr))
        return 1;
    const bool hang = argc > 2 && std::strcmp(argv[2], "hang") == 0;
    const DWORD start = GetTickCount();
    while (!hang || GetTickCount() - start < 3000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
    Sleep(INFINITE);
    return 0;
}
