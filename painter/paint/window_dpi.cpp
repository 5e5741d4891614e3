#include "painter/paint/window_dpi.h"

#include "painter/paint/user32_function.h"
#include "platform/framework/scoped_gdi.h"

namespace bndx {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

// The record as Windows Vista and later define it, with the padded border the headers of the
// oldest Windows leave out: the newer call wants the whole of it.
struct NonClientMetrics {
    NONCLIENTMETRICSW metrics;
    int paddedBorderWidth;
};
static_assert(sizeof(NonClientMetrics) == 504, "the record of Windows Vista and later");

} // namespace

uint32_t SystemDpi() {
    const ClientDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<uint32_t>(dpi) : 0;
}

uint32_t WindowDpi(HWND window) {
    static const auto dpiForWindow = User32Function<DpiForWindow>("GetDpiForWindow");
    return dpiForWindow ? dpiForWindow(window) : 0;
}

bool SystemCaptionMetricsAt(uint32_t dpi, CaptionMetrics& metrics) {
    static const auto parametersForDpi = User32Function<ParametersForDpi>("SystemParametersInfoForDpi");
    NonClientMetrics record{};
    record.metrics.cbSize = sizeof(record);
    if (!parametersForDpi || !parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof(record), &record, 0, dpi))
        return false;
    const NONCLIENTMETRICSW& got = record.metrics;
    metrics = CaptionMetrics{got.iBorderWidth, got.iCaptionHeight, got.iSmCaptionHeight};
    return true;
}

} // namespace bndx
