// The caption metrics a window is measured by, at the DPI of its monitor: at the system's DPI
// those read from the system, at another those the system tells for that DPI where it can (the
// newer Windows), else the system's scaled. Kept per DPI until the metrics are read again.
#pragma once

#include "common/dpi_scaling.h"

#include <utility>
#include <vector>

namespace bndx {

class CaptionMetricsByDpi {
public:
    // Asks the system for the metrics at dpi; false where it cannot tell them.
    using AskSystem = bool (*)(uint32_t dpi, CaptionMetrics& metrics);

    explicit CaptionMetricsByDpi(AskSystem ask = nullptr) : ask_(ask) {}

    // Starts again from the system's metrics at its own DPI (at start and on a settings change).
    void Reset(const CaptionMetrics& atSystemDpi, uint32_t systemDpi);

    uint32_t SystemDpi() const { return systemDpi_; }
    // The DPI a window that reports windowDpi is painted at.
    uint32_t DpiOf(uint32_t windowDpi) const { return EffectiveDpi(windowDpi, systemDpi_); }
    CaptionMetrics At(uint32_t dpi) const;

private:
    AskSystem ask_;
    CaptionMetrics system_{};
    uint32_t systemDpi_ = 0;
    mutable std::vector<std::pair<uint32_t, CaptionMetrics>> others_;
};

} // namespace bndx
