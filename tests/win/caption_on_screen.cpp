#include "tests/win/caption_on_screen.h"

#include "common/message_block.h"

#include <fstream>
#include <iterator>

namespace bndx::test {

CaptionMetrics CurrentCaptionMetrics() {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = 340;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    return CaptionMetrics{ncm.iBorderWidth, ncm.iCaptionHeight, ncm.iSmCaptionHeight};
}

bool CaptionLayout::InButtons(int x, int y) const {
    const auto in = [&](const ButtonBox& b) { return x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height; };
    return (buttons.hasClose && in(buttons.close)) || (buttons.hasMinMax && in(buttons.minMax));
}

CaptionLayout CaptionLayoutOf(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    const auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    const CaptionRect area = ComputeCaptionRect(bounds.right - bounds.left, style, exStyle, CurrentCaptionMetrics());
    return CaptionLayout{area, ComputeButtonAreas(area, style, exStyle, CurrentCaptionMetrics())};
}

uint32_t CaptionFill(const ScreenCapture& shot, const CaptionLayout& caption) {
    return shot.At(caption.area.left + 2, caption.area.top + 2);
}

Span InkSpan(const ScreenCapture& shot, const CaptionLayout& caption, const std::function<bool(uint32_t)>& ink) {
    Span span;
    for (int x = caption.area.left; x < caption.area.right && x < shot.Width(); ++x)
        for (int y = caption.area.top; y < caption.area.bottom && y < shot.Height(); ++y)
            if (ink(shot.At(x, y)) && !caption.InButtons(x, y)) {
                if (span.left < 0)
                    span.left = x;
                span.right = x;
                break;
            }
    return span;
}

Span WaitForWhiteText(HWND window, const CaptionLayout& caption, ScreenCapture& shot,
                      const std::function<bool(const Span&)>& condition) {
    // Smoothed at its edges: every channel well above the caption colour's darkest.
    const auto white = [](uint32_t pixel) {
        return ((pixel >> 16) & 0xFF) >= 0xA0 && ((pixel >> 8) & 0xFF) >= 0xA0 && (pixel & 0xFF) >= 0xA0;
    };
    Span span;
    WaitFor(
        [&] {
            shot = ScreenCapture::OfWindow(window);
            span = InkSpan(shot, caption, white);
            return span.Found() && condition(span);
        },
        10000);
    return span;
}

std::vector<uint8_t> PatchedBandpost(const std::string& text) {
    std::ifstream in(DistPath("Bandpost.exe"), std::ios::binary);
    std::vector<uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const size_t offset = FindMessageBlock(image.data(), image.size());
    if (offset == kNoMessageBlock)
        return {};
    WriteMessageText(reinterpret_cast<char*>(image.data() + offset), text.data(), text.size());
    return image;
}

} // namespace bndx::test
