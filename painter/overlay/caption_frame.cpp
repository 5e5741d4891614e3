#include "painter/overlay/caption_frame.h"

#include "painter/overlay/dwm_frame.h"
#include "painter/overlay/overlay_rules.h"
#include "painter/overlay/system_rect.h"

namespace bndx {

CaptionFrame CaptionFrameOf(HWND window, const CaptionRect& byMetrics) {
    CaptionFrame frame{byMetrics, false, {}};
    RECT visible, bounds, buttons;
    if (!DwmExtendedFrameBounds(window, visible) || !GetWindowRect(window, &bounds))
        return frame;
    if (DwmCaptionButtonBounds(window, buttons)) {
        frame.caption = CaptionFromFrame(ToScreenRect(bounds), ToScreenRect(visible), ToScreenRect(buttons));
        frame.hasButtonBounds = true;
        frame.buttons =
            ButtonBox{buttons.left, buttons.top, buttons.right - buttons.left, buttons.bottom - buttons.top};
        return frame;
    }
    // The title bar is asked only where the frame has borders the metrics know nothing of.
    // Elsewhere the metrics describe the caption exactly, and some systems' title bar reaches
    // into the frame's edge.
    if (EqualRect(&visible, &bounds))
        return frame;
    TITLEBARINFO titleBar{};
    titleBar.cbSize = sizeof(titleBar);
    if (GetTitleBarInfo(window, &titleBar) && !(titleBar.rgstate[0] & STATE_SYSTEM_INVISIBLE) &&
        titleBar.rcTitleBar.bottom > titleBar.rcTitleBar.top)
        frame.caption = CaptionFromTitleBar(ToScreenRect(bounds), ToScreenRect(titleBar.rcTitleBar), byMetrics);
    return frame;
}

} // namespace bndx
