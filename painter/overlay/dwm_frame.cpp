#include "painter/overlay/dwm_frame.h"

#include "common/desktop_composition_win32.h"

namespace bndx {

namespace {

// The attribute numbers of DwmGetWindowAttribute, as the system defines them.
constexpr DWORD kCaptionButtonBounds = 5;
constexpr DWORD kExtendedFrameBounds = 9;
constexpr DWORD kCloaked = 14;

using GetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

GetWindowAttribute LoadGetWindowAttribute() {
    // Never released: the answers are wanted for as long as the program runs.
    const HMODULE module = LoadCompositionLibrary();
    if (!module)
        return nullptr;
    return reinterpret_cast<GetWindowAttribute>(
        reinterpret_cast<void*>(GetProcAddress(module, "DwmGetWindowAttribute")));
}

bool Attribute(HWND window, DWORD attribute, void* value, DWORD size) {
    static const GetWindowAttribute get = LoadGetWindowAttribute();
    return get && SUCCEEDED(get(window, attribute, value, size));
}

} // namespace

bool DwmCloaked(HWND window) {
    DWORD cloaked = 0;
    return Attribute(window, kCloaked, &cloaked, sizeof(cloaked)) && cloaked != 0;
}

bool DwmExtendedFrameBounds(HWND window, RECT& frame) {
    return Attribute(window, kExtendedFrameBounds, &frame, sizeof(frame)) && frame.right > frame.left;
}

bool DwmCaptionButtonBounds(HWND window, RECT& buttons) {
    return Attribute(window, kCaptionButtonBounds, &buttons, sizeof(buttons)) && buttons.right > buttons.left;
}

} // namespace bndx
