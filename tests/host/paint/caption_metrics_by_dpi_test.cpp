#include "painter/paint/caption_metrics_by_dpi.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

std::tuple<int32_t, int32_t, int32_t> Fields(const CaptionMetrics& m) {
    return {m.borderWidth, m.captionHeight, m.smallCaptionHeight};
}

int g_asked = 0;

// A system that knows its metrics at 144 DPI only.
bool KnowsOnly144(uint32_t dpi, CaptionMetrics& metrics) {
    ++g_asked;
    if (dpi != 144)
        return false;
    metrics = CaptionMetrics{5, 26, 20};
    return true;
}

TEST(CaptionMetricsByDpi, SystemsOwnAtItsDpiElseTheSystemsAnswerElseScaledEachAskedOnce) {
    g_asked = 0;
    CaptionMetricsByDpi metrics(KnowsOnly144);
    metrics.Reset({4, 18, 14}, 96);
    for (const uint32_t round : {1, 2}) {
        SCOPED_TRACE(round);
        EXPECT_EQ(Fields(metrics.At(96)), std::make_tuple(4, 18, 14));
        EXPECT_EQ(Fields(metrics.At(metrics.DpiOf(0))), std::make_tuple(4, 18, 14));
        EXPECT_EQ(Fields(metrics.At(144)), std::make_tuple(5, 26, 20)) << "the system's answer, not 6, 27, 21";
        EXPECT_EQ(Fields(metrics.At(120)), std::make_tuple(5, 23, 18)) << "scaled: 5, 22.5, 17.5";
        EXPECT_EQ(g_asked, 2) << "the system is asked once for each other DPI";
    }
    metrics.Reset({4, 30, 14}, 96);
    EXPECT_EQ(Fields(metrics.At(120)), std::make_tuple(5, 38, 18)) << "new metrics are scaled anew";
}

} // namespace
} // namespace bndx
