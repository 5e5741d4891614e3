#include "painter/paint/system_settings_win32.h"

#include <string>

namespace bndx {

namespace {

constexpr UINT kGetClientAreaAnimation = 0x1042; // SPI_GETCLIENTAREAANIMATION, Windows Vista on
constexpr DWORD kThisSessionOnly = 0;            // NOTIFY_FOR_THIS_SESSION

using QueryNotificationState = HRESULT(WINAPI*)(int*);
using RegisterSession = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterSession = BOOL(WINAPI*)(HWND);

template <typename Function> Function Lookup(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The terminal services library from the system folder only, never one found on the search path.
HMODULE LoadSessionLibrary() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::string path = std::string(folder, length) + "\\wtsapi32.dll";
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace

bool HighContrastOn() {
    HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool ClientAreaAnimationOn() {
    BOOL animation = TRUE;
    return !SystemParametersInfoA(kGetClientAreaAnimation, 0, &animation, 0) || animation;
}

int32_t UserNotificationState() {
    // The program's tray icon keeps shell32 loaded.
    static const auto query =
        Lookup<QueryNotificationState>(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState");
    int state = 0;
    return query && SUCCEEDED(query(&state)) ? state : 0;
}

SessionNotifications::SessionNotifications(HWND window) : window_(window), library_(LoadSessionLibrary()) {
    const auto registerSession = Lookup<RegisterSession>(library_.Get(), "WTSRegisterSessionNotification");
    if (!registerSession || !registerSession(window_, kThisSessionOnly))
        library_.Reset();
}

SessionNotifications::~SessionNotifications() {
    if (const auto unregister = Lookup<UnregisterSession>(library_.Get(), "WTSUnRegisterSessionNotification"))
        unregister(window_);
}

} // namespace bndx
