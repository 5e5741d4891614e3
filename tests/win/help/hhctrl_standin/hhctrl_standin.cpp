// A stand-in for the system's HTML Help library in the help tests: every request is appended to
// the file named by BNDX_HELP_RECORD, one "file=", "command=" and "data=" line each and "end",
// so that a test can read what a program asked to be shown. No window is opened.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
    char record[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("BNDX_HELP_RECORD", record, MAX_PATH))
        return nullptr;
    std::ofstream out(record, std::ios::app);
    out << "file=" << (file ? file : "(none)") << "\n"
        << "command=" << command << "\n"
        << "data=" << static_cast<uintptr_t>(data) << "\n"
        << "end\n";
    return nullptr;
}
