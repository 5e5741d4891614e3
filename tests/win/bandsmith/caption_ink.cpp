#include "tests/win/bandsmith/caption_ink.h"

namespace bndx::e2e {

namespace {

// White text, smoothed at its edges: every channel well above the caption colour's darkest.
bool IsTextInk(uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) >= 0xA0 && ((pixel >> 8) & 0xFF) >= 0xA0 && (pixel & 0xFF) >= 0xA0;
}

bool InBox(const ButtonBox& box, int x, int y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

bool InButtons(const CaptionLayout& caption, int x, int y) {
    return (caption.buttons.hasClose && InBox(caption.buttons.close, x, y)) ||
           (caption.buttons.hasMinMax && InBox(caption.buttons.minMax, x, y));
}

} // namespace

CaptionLayout CaptionLayoutOf(HWND window) {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = 340; // the record's first version, as the programs read it
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    const CaptionMetrics metrics{ncm.iBorderWidth, ncm.iCaptionHeight, ncm.iSmCaptionHeight};
    RECT bounds;
    GetWindowRect(window, &bounds);
    const auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
    const CaptionRect area = ComputeCaptionRect(bounds.right - bounds.left, style, exStyle, metrics);
    return CaptionLayout{area, ComputeButtonAreas(area, style, exStyle, metrics)};
}

InkSpan WhiteInk(const test::ScreenCapture& shot, const CaptionLayout& caption) {
    InkSpan span;
    for (int y = caption.area.top; y < caption.area.bottom && y < shot.Height(); ++y)
        for (int x = caption.area.left; x < caption.area.right && x < shot.Width(); ++x)
            if (IsTextInk(shot.At(x, y)) && !InButtons(caption, x, y)) {
                if (span.left < 0 || x < span.left) span.left = x;
                if (x > span.right) span.right = x;
            }
    return span;
}

InkSpan WaitForInk(HWND window, const CaptionLayout& caption, test::ScreenCapture& shot,
                   const std::function<bool(const InkSpan&)>& condition, DWORD timeoutMs) {
    InkSpan span;
    test::WaitFor(
        [&] {
            shot = test::ScreenCapture::OfWindow(window);
            span = WhiteInk(shot, caption);
            return span.Visible() && condition(span);
        },
        timeoutMs);
    return span;
}

uint32_t CaptionFill(const test::ScreenCapture& shot, const CaptionLayout& caption) {
    return shot.At(caption.area.left + 2, caption.area.top + 2);
}

int DefaultFontWidth(const std::string& text) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return extent.cx;
}

} // namespace bndx::e2e
