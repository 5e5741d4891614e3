#include "painter/paint/program_path.h"

#include "platform/framework/win32_handles.h"

#include <tlhelp32.h>

namespace bndx {

namespace {

constexpr DWORD kQueryLimitedInformation = 0x1000; // PROCESS_QUERY_LIMITED_INFORMATION, Windows Vista on

using QueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, char*, DWORD*);

// QueryFullProcessImageNameA, which Windows XP lacks.
std::string FullImagePath(DWORD processId) {
    static const auto query = reinterpret_cast<QueryImageName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
    if (!query)
        return {};
    const UniqueKernelObject process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
    char path[MAX_PATH];
    DWORD length = MAX_PATH;
    if (!process.Get() || !query(process.Get(), 0, path, &length))
        return {};
    return std::string(path, length);
}

// The system's list of processes names every one, whatever its rights.
std::string ListedImageName(DWORD processId) {
    // Says "none" as CreateFile does.
    const UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return {};
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more; more = Process32Next(snapshot.Get(), &entry))
        if (entry.th32ProcessID == processId)
            return entry.szExeFile;
    return {};
}

} // namespace

std::string ProgramPathOf(HWND window) {
    DWORD processId = 0;
    if (!GetWindowThreadProcessId(window, &processId) || !processId)
        return {};
    std::string path = FullImagePath(processId);
    return path.empty() ? ListedImageName(processId) : path;
}

} // namespace bndx
