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

struct Menu : NullIsNone<HMENU> {
    static bool Close(Type menu) { return DestroyMenu(menu) != FALSE; }
};

struct GlobalMemory : NullIsNone<HGLOBAL> {
    static bool Close(Type memory) { return GlobalFree(memory) == nullptr; }
};

struct LocalMemory : NullIsNone<HLOCAL> {
    static bool Close(Type memory) { return LocalFree(memory) == nullptr; }
};

// One lock of global memory. The last unlock reports FALSE with no error: that is success.
struct GlobalLockCount : NullIsNone<HGLOBAL> {
    static bool Close(Type memory) { return GlobalUnlock(memory) != FALSE || GetLastError() == NO_ERROR; }
};

// FindFirstChangeNotification says "none" as CreateFile does.
struct ChangeNotification {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Type handle) { return FindCloseChangeNotification(handle) != FALSE; }
};

// Given back only once a callback that is running has returned, so that nothing it uses goes first.
struct RegisteredWait : NullIsNone<HANDLE> {
    static bool Close(Type wait) { return UnregisterWaitEx(wait, INVALID_HANDLE_VALUE) != FALSE; }
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
// From LoadMenu or CreateMenu, while no window holds it (a window destroys its own menu).
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
// From GlobalAlloc, or handed over by a system dialog.
using UniqueGlobal = UniqueHandle<handle_traits::GlobalMemory>;
// From LocalAlloc, or a buffer the system allocated for the caller.
using UniqueLocal = UniqueHandle<handle_traits::LocalMemory>;

// Global memory's contents as T, locked for as long as this lives; null when it cannot be locked.
template <typename T> class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory)
        : data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr), lock_(data_ ? memory : nullptr) {}

    T* Get() const { return data_; }
    // Bytes that may be read through Get(); 0 when not locked.
    size_t Size() const { return data_ ? GlobalSize(lock_.Get()) : 0; }

private:
    T* data_;
    UniqueHandle<handle_traits::GlobalLockCount> lock_;
};
// From FindFirstChangeNotification.
using UniqueChangeNotification = UniqueHandle<handle_traits::ChangeNotification>;
// From RegisterWaitForSingleObject.
using UniqueRegisteredWait = UniqueHandle<handle_traits::RegisteredWait>;

} // namespace bndx
