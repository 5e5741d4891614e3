#include "tests/win/bandpost_caption.h"

#include <algorithm>

namespace bndx::test {

bool Caption::InButtons(int x, int y) const {
    const auto in = [&](const ButtonBox& b) { return x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height; };
    return (buttons.hasClose && in(buttons.close)) || (buttons.hasMinMax && in(buttons.minMax));
}

Caption CaptionOf(HWND window) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = 340;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    const CaptionMetrics metrics{ncm.iBorderWidth, ncm.iCaptionHeight, ncm.iSmCaptionHeight};
    RECT bounds;
    GetWindowRect(window, &bounds);
    const auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    const CaptionRect area = ComputeCaptionRect(bounds.right - bounds.left, style, exStyle, metrics);
    return Caption{area, ComputeButtonAreas(area, style, exStyle, metrics)};
}

// Smoothed edges count: every channel is well above the caption colour's darkest.
Span WaitForText(HWND window, const Caption& caption, ScreenCapture& shot, const std::function<bool(Span)>& condition) {
    Span span;
    WaitFor(
        [&] {
            shot = ScreenCapture::OfWindow(window);
            span = {-1, -1};
            for (int y = caption.area.top; y < caption.area.bottom; ++y)
                for (int x = caption.area.left; x < caption.area.right; ++x) {
                    const uint32_t p = shot.At(x, y);
                    if (((p >> 16) & 0xFF) >= 0xA0 && ((p >> 8) & 0xFF) >= 0xA0 && (p & 0xFF) >= 0xA0 &&
                        !caption.InButtons(x, y))
                        span = {span.first < 0 ? x : std::min(span.first, x), std::max(span.second, x)};
                }
            return span.first >= 0 && condition(span);
        },
        10000);
    return span;
}

} // namespace bndx::test
