// A function of user32 that newer systems have, looked up at run time: the programs import nothing
// the oldest systems they run on lack. Null where the system has none.
#pragma once

#include <windows.h>

namespace bndx {

template <typename Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

} // namespace bndx
