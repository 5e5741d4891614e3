// What Banderix asks Windows of the user's settings and the session, one small function each, so
// that the rules over the answers (system_rules.h) stay portable. Every call newer than Windows XP
// is looked up at run time; where it is missing the answer is the one of a system without it.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <cstdint>

namespace bndx {

// The window message that reports a change of the session to a registered window.
constexpr UINT kSessionChangeMessage = 0x02B1; // WM_WTSSESSION_CHANGE

bool HighContrastOn();
// Windows XP has no such setting: its windows animate.
bool ClientAreaAnimationOn();
// As SHQueryUserNotificationState answers; 0 where it cannot (Windows XP).
int32_t UserNotificationState();

// Session changes reported to a window (kSessionChangeMessage) for as long as this lives.
class SessionNotifications {
public:
    explicit SessionNotifications(HWND window);
    ~SessionNotifications();
    SessionNotifications(const SessionNotifications&) = delete;
    SessionNotifications& operator=(const SessionNotifications&) = delete;

private:
    HWND window_;
    UniqueModule library_;
};

} // namespace bndx
