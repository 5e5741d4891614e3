// A program of its own for tests that watch another process's windows: shows a captioned window
// titled by its first argument until it is ended. With "hang" as its second argument it handles
// its messages for three seconds, then stops handling them, as a program that hangs. With
// "documents" the window holds two captioned child windows, "Over it" above the caption of
// "Hidden in part".
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    const bool documents = argc > 2 && std::strcmp(argv[2], "documents") == 0;
    const HWND window = argc < 2
                            ? nullptr
                            : CreateWindowExA(0, "STATIC", argv[1], WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                              300, 300, documents ? 520 : 260, documents ? 300 : 120, nullptr, nullptr,
                                              GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return 1;
    if (documents) {
        constexpr DWORD kDocument = WS_CHILD | WS_CAPTION | WS_VISIBLE | WS_CLIPSIBLINGS;
        CreateWindowExA(0, "STATIC", "Hidden in part", kDocument, 10, 10, 300, 150, window, nullptr, nullptr, nullptr);
        const HWND over =
            CreateWindowExA(0, "STATIC", "Over it", kDocument, 160, 0, 200, 150, window, nullptr, nullptr, nullptr);
        SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
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
