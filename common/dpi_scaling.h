// Sizes the system gives at its own DPI, brought to a monitor of another DPI. A per-monitor aware
// program sees every window in real pixels, so a caption on a monitor at 144 DPI is half as tall
// again as the system's metrics say. Header-only, like the caption rules it serves.
#pragma once

#include "common/caption_geometry.h"

#include <cstdint>

namespace bndx {

// A window whose DPI is unknown (0: the system cannot say) is painted at the system's.
constexpr uint32_t EffectiveDpi(uint32_t windowDpi, uint32_t systemDpi) {
    return windowDpi ? windowDpi : systemDpi;
}

// value * dpi / systemDpi, rounded half away from zero as the system's own scaling rounds;
// unchanged where either DPI is unknown.
constexpr int32_t ScaleToDpi(int32_t value, uint32_t dpi, uint32_t systemDpi) {
    if (dpi == 0 || systemDpi == 0 || dpi == systemDpi)
        return value;
    const int64_t product = int64_t{value} * dpi;
    const int64_t half = systemDpi / 2;
    const int64_t magnitude = ((product < 0 ? -product : product) + half) / systemDpi;
    const int64_t scaled = product < 0 ? -magnitude : magnitude;
    constexpr int64_t kLowest = INT32_MIN, kHighest = INT32_MAX;
    return static_cast<int32_t>(scaled < kLowest ? kLowest : scaled > kHighest ? kHighest : scaled);
}

constexpr CaptionMetrics ScaleCaptionMetrics(const CaptionMetrics& metrics, uint32_t dpi, uint32_t systemDpi) {
    return CaptionMetrics{ScaleToDpi(metrics.borderWidth, dpi, systemDpi),
                          ScaleToDpi(metrics.captionHeight, dpi, systemDpi),
                          ScaleToDpi(metrics.smallCaptionHeight, dpi, systemDpi)};
}

} // namespace bndx
