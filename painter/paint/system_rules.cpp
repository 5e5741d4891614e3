#include "painter/paint/system_rules.h"

#include <initializer_list>

namespace bndx {

// High contrast asks for the system's own colours everywhere: a painted caption would hide them.
PaintPermission HighContrastRule(bool highContrast) {
    return {!highContrast, !highContrast};
}

// Animations off means nothing moves by itself; a still background and title are not motion.
PaintPermission AnimationRule(bool clientAreaAnimation) {
    return {true, clientAreaAnimation};
}

// Nobody sees a locked or disconnected session: painting it would only cost the processor.
PaintPermission SessionRule(bool sessionOnScreen) {
    return {sessionOnScreen, sessionOnScreen};
}

PaintPermission PermissionFor(const SystemSettings& settings) {
    PaintPermission permission;
    for (const PaintPermission& rule :
         {HighContrastRule(settings.highContrast), AnimationRule(settings.clientAreaAnimation),
          SessionRule(settings.sessionOnScreen)}) {
        permission.paint = permission.paint && rule.paint;
        permission.scroll = permission.scroll && rule.scroll;
    }
    return permission;
}

SessionState AfterSessionChange(SessionState state, int32_t change) {
    enum : int32_t {
        kConsoleConnect = 1,
        kConsoleDisconnect = 2,
        kRemoteConnect = 3,
        kRemoteDisconnect = 4,
        kSessionLock = 7,
        kSessionUnlock = 8,
    };
    switch (change) {
    case kConsoleConnect:
    case kRemoteConnect:
        state.disconnected = false;
        break;
    case kConsoleDisconnect:
    case kRemoteDisconnect:
        state.disconnected = true;
        break;
    case kSessionLock:
        state.locked = true;
        break;
    case kSessionUnlock:
        state.locked = false;
        break;
    default:
        break;
    }
    return state;
}

bool QuietFor(int32_t notificationState) {
    switch (notificationState) {
    case kNotificationsBusy:
    case kNotificationsD3dFullScreen:
    case kNotificationsPresentation:
    case kNotificationsQuietTime:
        return true;
    default:
        return false;
    }
}

} // namespace bndx
