// What the user told Windows, and what it leaves Banderix to do: high contrast gives every
// caption back, animations turned off keep the text still, "do not disturb" starts no scroll, and
// a locked or disconnected session is painted for by nobody. Portable, so that each rule runs on
// the host as a table; the shell asks the system one small function each
// (system_settings_win32.h).
#pragma once

#include <cstdint>

namespace bndx {

// The settings and the session as last read.
struct SystemSettings {
    bool highContrast = false;
    bool clientAreaAnimation = true;
    bool sessionOnScreen = true; // neither locked nor disconnected
};

// What Banderix may do under those settings.
struct PaintPermission {
    bool paint = true;  // backgrounds and titles on captions, the timers running
    bool scroll = true; // text crossing the captions
    bool operator==(const PaintPermission& other) const { return paint == other.paint && scroll == other.scroll; }
    bool operator!=(const PaintPermission& other) const { return !(*this == other); }
};

// Each rule alone, then all of them together: nothing may scroll where nothing may paint.
PaintPermission HighContrastRule(bool highContrast);
PaintPermission AnimationRule(bool clientAreaAnimation);
PaintPermission SessionRule(bool sessionOnScreen);
PaintPermission PermissionFor(const SystemSettings& settings);

// The shell's answer to "may I notify the user now?", numbered as SHQueryUserNotificationState
// gives it.
enum UserNotificationState : int32_t {
    kNotificationsNotPresent = 1, // no user is at the screen (a screen saver, the lock screen)
    kNotificationsBusy = 2,       // a full-screen program
    kNotificationsD3dFullScreen = 3,
    kNotificationsPresentation = 4,
    kNotificationsAccepted = 5,
    kNotificationsQuietTime = 6, // the first hour after an installation of Windows, or quiet hours
    kNotificationsApp = 7,       // a Windows Store app in front
};

// Whether the session shows on a screen, as the session's changes tell it. Locked and
// disconnected are apart: a locked session that is connected again is still locked.
struct SessionState {
    bool locked = false;
    bool disconnected = false;
    bool OnScreen() const { return !locked && !disconnected; }
};

// The state after a change reported as WTSRegisterSessionNotification numbers it (WTS_SESSION_LOCK
// and the like); a change that says nothing of either leaves the state as it was.
SessionState AfterSessionChange(SessionState state, int32_t change);

// "Do not disturb": a new scroll cycle waits while the user asked not to be disturbed. An answer
// the system could not give, or one unknown here, disturbs nobody.
bool QuietFor(int32_t notificationState);

} // namespace bndx
