// The state painting shares. The engine alone changes it, through the methods the main window
// calls, so that it alone knows when something changed; the selection and the renderer read it.
#pragma once

#include "painter/paint/caption_metrics_by_dpi.h"
#include "painter/paint/desktop_view.h"

namespace bndx {

class CBackgroundEntry;

struct PainterState {
    explicit PainterState(CaptionMetricsByDpi::AskSystem ask = nullptr) : metricsByDpi(ask) {}

    CaptionMetricsByDpi metricsByDpi;
    bool in256ColourMode = false;
    // Between the end of start-up and Close.
    bool paintingEnabled = false;
    // The chosen background, if it has a picture: one without paints as "None" does.
    CBackgroundEntry* background = nullptr;
    // A window Bandpost asked to be left alone: its caption is another program's now.
    WindowId excludedWindow = 0;
};

} // namespace bndx
