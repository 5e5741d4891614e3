#include "painter/paint/caption_metrics_by_dpi.h"

#include <cstddef>

namespace bndx {

namespace {

// More DPIs than monitors means the monitors changed: the list starts again.
constexpr size_t kMostDpis = 8;

} // namespace

void CaptionMetricsByDpi::Reset(const CaptionMetrics& atSystemDpi, uint32_t systemDpi) {
    system_ = atSystemDpi;
    systemDpi_ = systemDpi;
    others_.clear();
}

// The system's own answer is asked once per DPI: passes measure every window ten times a second.
CaptionMetrics CaptionMetricsByDpi::At(uint32_t dpi) const {
    if (dpi == 0 || dpi == systemDpi_ || systemDpi_ == 0)
        return system_;
    for (const auto& [known, metrics] : others_)
        if (known == dpi)
            return metrics;
    CaptionMetrics metrics{};
    if (!ask_ || !ask_(dpi, metrics))
        metrics = ScaleCaptionMetrics(system_, dpi, systemDpi_);
    if (others_.size() >= kMostDpis)
        others_.clear();
    others_.emplace_back(dpi, metrics);
    return metrics;
}

} // namespace bndx
