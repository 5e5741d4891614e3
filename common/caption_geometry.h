// Where a window's caption bar lies and where its buttons sit, from its styles and the
// system's caption metrics. Banderix and Bandpost both paint by these rules.
// Header-only and free of any runtime call, so that Bandpost can use it without a C runtime.
#pragma once

#include <cstdint>

namespace bndx {

// The window style bits the caption rules look at (the platform's WS_* values).
namespace style {
constexpr uint32_t kMaximizeBox = 0x00010000;
constexpr uint32_t kMinimizeBox = 0x00020000;
constexpr uint32_t kThickFrame = 0x00040000;
constexpr uint32_t kSysMenu = 0x00080000;
constexpr uint32_t kDlgFrame = 0x00400000;
constexpr uint32_t kVisible = 0x10000000;
constexpr uint32_t kMinimize = 0x20000000;
constexpr uint32_t kExToolWindow = 0x00000080; // extended style
} // namespace style

// The three fields of the system's non-client metrics that caption geometry uses.
struct CaptionMetrics {
    int32_t borderWidth;
    int32_t captionHeight;
    int32_t smallCaptionHeight;
};

// In whole-window coordinates (origin at the outer frame's top-left); right and bottom exclusive.
struct CaptionRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    bool operator==(const CaptionRect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const CaptionRect& other) const { return !(*this == other); }
};

struct ButtonBox {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

// A window's style and extended style, read once for everything a caption needs of them.
struct WindowStyles {
    uint32_t style;
    uint32_t exStyle;
};

// The caption buttons as the system draws them; a box is only there when its flag is set.
struct CaptionButtonAreas {
    bool hasClose;
    ButtonBox close;
    bool hasMinMax; // the minimise and maximise buttons, as one box
    ButtonBox minMax;
};

// Calls action with each box that is there.
template <typename Action> void ForEachButton(const CaptionButtonAreas& buttons, Action action) {
    if (buttons.hasClose)
        action(buttons.close);
    if (buttons.hasMinMax)
        action(buttons.minMax);
}

// Captioned, shown and not minimised. Only the WS_DLGFRAME half of WS_CAPTION is looked at.
constexpr bool PassesCaptionTest(uint32_t windowStyle) {
    return (windowStyle & style::kDlgFrame) && (windowStyle & style::kVisible) && !(windowStyle & style::kMinimize);
}

constexpr int32_t BorderTerm(uint32_t windowStyle, const CaptionMetrics& metrics) {
    return (windowStyle & style::kThickFrame) ? metrics.borderWidth : 0;
}

constexpr int32_t CaptionHeight(uint32_t exStyle, const CaptionMetrics& metrics) {
    return (exStyle & style::kExToolWindow) ? metrics.smallCaptionHeight : metrics.captionHeight;
}

// Only the window's outer width matters; the client area plays no part.
constexpr CaptionRect ComputeCaptionRect(int32_t windowWidth, uint32_t windowStyle, uint32_t exStyle,
                                         const CaptionMetrics& metrics) {
    const int32_t b = BorderTerm(windowStyle, metrics);
    const int32_t h = CaptionHeight(exStyle, metrics);
    return CaptionRect{b + 3, b + 3, windowWidth - b - 3, b + 3 + h};
}

// With a thick frame the border enters the min/max box's left edge twice: once through the
// caption's right edge and once in the bracket. That is where the system draws the buttons.
// A tool window gets only its close button, whatever its minimise and maximise styles say.
constexpr CaptionButtonAreas ComputeButtonAreas(const CaptionRect& caption, uint32_t windowStyle, uint32_t exStyle,
                                                const CaptionMetrics& metrics) {
    CaptionButtonAreas areas{false, {0, 0, 0, 0}, false, {0, 0, 0, 0}};
    if (!(windowStyle & style::kSysMenu))
        return areas;
    const int32_t b = BorderTerm(windowStyle, metrics);
    const int32_t h = CaptionHeight(exStyle, metrics);
    const int32_t y = b + 5;
    areas.hasClose = true;
    areas.close = ButtonBox{caption.right - h, y, h - 2, h - 4};
    if ((windowStyle & (style::kMinimizeBox | style::kMaximizeBox)) && !(exStyle & style::kExToolWindow)) {
        areas.hasMinMax = true;
        areas.minMax = ButtonBox{caption.right - (b + 3 * h - 3), y, 2 * (h - 2), h - 4};
    }
    return areas;
}

} // namespace bndx
