// Whether the desktop window manager composes window frames: then it draws every standard
// caption itself, and what is drawn into another window's caption never reaches the screen.
// Header-only and without the C runtime, so that Bandpost can ask it too.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

// Where the texts below are kept. Bandpost keeps every text in its code section, where it costs
// no file block of its own.
#ifndef BNDX_COMPOSITION_TEXT
#define BNDX_COMPOSITION_TEXT
#endif

namespace bndx {

// Outside the functions: a text of an inline function is shared between modules, and the linker
// does not keep such a text where BNDX_COMPOSITION_TEXT puts it.
constexpr wchar_t kCompositionLibrary[] BNDX_COMPOSITION_TEXT = L"\\dwmapi.dll";
constexpr char kCompositionQuery[] BNDX_COMPOSITION_TEXT = "DwmIsCompositionEnabled";

// The window manager's library, loaded at run time from the system folder only, because Windows
// XP has none (and then nothing composes); null then. The caller frees it (Bandpost by hand).
inline HMODULE LoadCompositionLibrary() {
    constexpr UINT kLibraryLength = sizeof kCompositionLibrary / sizeof kCompositionLibrary[0]; // with the terminator
    wchar_t path[MAX_PATH];
    const UINT folderLength = GetSystemDirectoryW(path, MAX_PATH);
    if (folderLength == 0 || folderLength + kLibraryLength > MAX_PATH)
        return nullptr;
    for (UINT i = 0; i < kLibraryLength; ++i)
        path[folderLength + i] = kCompositionLibrary[i];
    return LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// Asks DwmIsCompositionEnabled of the loaded library; on Windows 8 and later the answer is
// always yes.
inline bool DesktopComposes(HMODULE library) {
    using IsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto isEnabled =
        reinterpret_cast<IsCompositionEnabled>(reinterpret_cast<void*>(GetProcAddress(library, kCompositionQuery)));
    BOOL composes = FALSE;
    return isEnabled && SUCCEEDED(isEnabled(&composes)) && composes;
}

inline bool DesktopComposes() {
    const UniqueModule library(LoadCompositionLibrary());
    return library && DesktopComposes(library.Get());
}

} // namespace bndx
