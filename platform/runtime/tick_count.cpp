// The threads library of the C++ runtime times its waits with GetTickCount64, which Windows
// before Vista lacks: imported, it would stop the programs from starting there at all. Defining
// the import's pointer here answers the runtime's calls without an import, with the system's
// own function where there is one, else with the 32-bit count (which wraps after 49.7 days, as
// every count on those systems does).
#include <windows.h>

namespace {

using TickCountFunction = ULONGLONG(WINAPI*)();

ULONGLONG WINAPI TickCount64() {
    // Plain statics with constant initial values: no guard variable, which would take one of the
    // runtime's locks, whose waits are timed by this very function. Threads that race here all
    // find the same answer.
    static TickCountFunction system = nullptr;
    static bool looked = false;
    if (!looked) {
        system = reinterpret_cast<TickCountFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
        looked = true;
    }
    return system ? system() : GetTickCount();
}

} // namespace

#if defined(__x86_64__)
#define BNDX_TICK_COUNT_IMPORT "__imp_GetTickCount64"
#else
#define BNDX_TICK_COUNT_IMPORT "__imp__GetTickCount64@0"
#endif

extern "C" {
extern const TickCountFunction tickCount64Import asm(BNDX_TICK_COUNT_IMPORT);
const TickCountFunction tickCount64Import asm(BNDX_TICK_COUNT_IMPORT) = TickCount64;
}
