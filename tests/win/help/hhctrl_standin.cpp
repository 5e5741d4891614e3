// A stand-in for the system's HTML Help library in the help tests: every request is appended to
// the file named by BNDX_HELP_RECORD as a line "file|command|data", so that a test can read what
// a program asked to be shown. No window is opened.
#include <windows.h>

#include <cstdint>
#include <fstream>

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
    char record[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("BNDX_HELP_RECORD", record, MAX_PATH))
        return nullptr;
    std::ofstream(record, std::ios::app) << (file ? file : "(none)") << "|" << command << "|"
                                         << static_cast<uintptr_t>(data) << "\n";
    return nullptr;
}
