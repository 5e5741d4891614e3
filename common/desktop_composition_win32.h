// Whether the desktop window manager composes window frames: then it draws every standard
// caption itself, and what is drawn into another window's caption never reaches the screen.
// Header-only and without the C runtime, so that Bandpost can ask it too.
#pragma once

#include <windows.h>

namespace bndx {

// Asks DwmIsCompositionEnabled. The library is loaded at run time, from the system folder only,
// because Windows XP has none (and then nothing composes); on Windows 8 and later the answer is
// always yes.
inline bool DesktopComposes() {
    using IsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    constexpr wchar_t kLibrary[] = L"\\dwmapi.dll";
    constexpr UINT kLibraryLength = sizeof kLibrary / sizeof kLibrary[0]; // with the terminator
    wchar_t path[MAX_PATH];
    const UINT folderLength = GetSystemDirectoryW(path, MAX_PATH);
    if (folderLength == 0 || folderLength + kLibraryLength > MAX_PATH)
        return false;
    for (UINT i = 0; i < kLibraryLength; ++i)
        path[folderLength + i] = kLibrary[i];
    HMODULE library = LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library)
        return false;
    const auto isEnabled = reinterpret_cast<IsCompositionEnabled>(
        reinterpret_cast<void*>(GetProcAddress(library, "DwmIsCompositionEnabled")));
    BOOL composes = FALSE;
    const bool answered = isEnabled && SUCCEEDED(isEnabled(&composes));
    FreeLibrary(library);
    return answered && composes;
}

} // namespace bndx
