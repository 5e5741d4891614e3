// Windows' animations turned on or off from inside a running program, as the control panel does
// for every program. Wine keeps each process's own copy of the setting once read, so a change made
// by another process never reaches a program already running; this module, hooked into the
// program's thread, makes the change there for a "BndxSwitchAnimations" sent to one of its windows
// (wParam 0 or 1), before that window sees the message.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK SwitchAnimations(int code, WPARAM fromThread, LPARAM message) {
    constexpr UINT kSetClientAreaAnimation = 0x1043; // Windows Vista on, beyond the build's headers
    const CWPSTRUCT& sent = *reinterpret_cast<const CWPSTRUCT*>(message);
    if (code == HC_ACTION && sent.message == RegisterWindowMessageA("BndxSwitchAnimations"))
        SystemParametersInfoA(kSetClientAreaAnimation, 0, reinterpret_cast<void*>(sent.wParam),
                              SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    return CallNextHookEx(nullptr, code, fromThread, message);
}
