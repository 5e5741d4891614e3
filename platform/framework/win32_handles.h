// The kernel and window-system handles the programs own, each given back the one right way.
#pragma once

#include "platform/framework/unique_handle.h"

#include <windows.h>

namespace bndx {

namespace handle_traits {

struct KernelObject : NullIsNone<HANDLE> {
    static bool Close(Type handle) { return CloseHandle(handle) != FALSE; }
};

// CreateFile says "none" with INVALID_HANDLE_VALUE, where other kernel calls say it with null.
struct File : KernelObject {
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
};

struct FileSearch {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Type handle) { return FindClose(handle) != FALSE; }
};

struct Module : NullIsNone<HMODULE> {
    static bool Close(Type module) { return FreeLibrary(module) != FALSE; }
};

struct RegKey : NullIsNone<HKEY> {
    static bool Close(Type key) { return RegCloseKey(key) == ERROR_SUCCESS; }
};

struct Hook : NullIsNone<HHOOK> {
    static bool Close(Type hook) { return UnhookWindowsHookEx(hook) != FALSE; }
};

struct WinEventHook : NullIsNone<HWINEVENTHOOK> {
    static bool Close(Type hook) { return UnhookWinEvent(hook) != FALSE; }
};

} // namespace handle_traits

// From CreateFile.
using UniqueFile = UniqueHandle<handle_traits::File>;
// A process, thread or other kernel object that reports none as null.
using UniqueKernelObject = UniqueHandle<handle_traits::KernelObject>;
// From FindFirstFile.
using UniqueFileSearch = UniqueHandle<handle_traits::FileSearch>;
// From LoadLibrary.
using UniqueModule = UniqueHandle<handle_traits::Module>;
// From RegOpenKeyEx or RegCreateKeyEx.
using UniqueRegKey = UniqueHandle<handle_traits::RegKey>;
// From SetWindowsHookEx.
using UniqueHook = UniqueHandle<handle_traits::Hook>;
// From SetWinEventHook.
using UniqueWinEventHook = UniqueHandle<handle_traits::WinEventHook>;

} // namespace bndx
