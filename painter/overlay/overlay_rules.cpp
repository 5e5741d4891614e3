#include "painter/overlay/overlay_rules.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace bndx {

bool OverlayShowsOver(const TargetView& target) {
    return target.exists && target.visible && !target.minimised && !target.cloaked && !target.fullScreen &&
           !target.movingOrSizing;
}

bool IsFullScreen(const ScreenRect& window, const ScreenRect& monitor, int32_t captionBottom) {
    const bool coversMonitor = window.left <= monitor.left && window.top <= monitor.top &&
                               window.right >= monitor.right && window.bottom >= monitor.bottom;
    return coversMonitor && captionBottom <= monitor.top;
}

OverlayStep NextStep(const TargetView& before, const TargetView& now, int32_t pictureWidth, bool overlayShown) {
    OverlayStep step;
    if (!now.exists) {
        step.destroy = true;
        return step;
    }
    const bool showable = OverlayShowsOver(now);
    const bool fits = pictureWidth == now.window.Width();
    step.show = showable && fits;
    step.place = step.show && (!overlayShown || !(before.window == now.window));
    // Asked once, when the size changes or the target comes back; not again at every look.
    const bool justChanged = before.window.Width() != now.window.Width() || !OverlayShowsOver(before);
    step.askPicture = showable && !fits && justChanged;
    return step;
}

std::vector<ScreenRect> CoveredParts(const ScreenRect& place, const std::vector<ScreenRect>& above) {
    std::vector<ScreenRect> parts;
    for (const ScreenRect& window : above) {
        const ScreenRect part{
            std::max(window.left, place.left) - place.left, std::max(window.top, place.top) - place.top,
            std::min(window.right, place.right) - place.left, std::min(window.bottom, place.bottom) - place.top};
        if (part.Width() > 0 && part.Height() > 0)
            parts.push_back(part);
    }
    return parts;
}

bool CoversNoMore(const std::vector<ScreenRect>& now, const std::vector<ScreenRect>& before) {
    return std::all_of(now.begin(), now.end(), [&](const ScreenRect& part) {
        return std::any_of(before.begin(), before.end(), [&](const ScreenRect& was) {
            return part.left >= was.left && part.top >= was.top && part.right <= was.right && part.bottom <= was.bottom;
        });
    });
}

bool CoversAll(const std::vector<ScreenRect>& covered, int32_t width, int32_t height) {
    // Row by row: a caption is a few dozen rows high, and only the windows overlapping it count.
    std::vector<std::pair<int32_t, int32_t>> spans;
    for (int32_t y = 0; y < height; ++y) {
        spans.clear();
        for (const ScreenRect& part : covered)
            if (part.top <= y && y < part.bottom)
                spans.emplace_back(part.left, part.right);
        std::sort(spans.begin(), spans.end());
        int32_t reached = 0;
        for (const auto& [left, right] : spans) {
            if (left > reached)
                break;
            reached = std::max(reached, right);
        }
        if (reached < width)
            return false;
    }
    return true;
}

ColumnSpan ChangedColumns(const OverlayPicture& before, const OverlayPicture& after) {
    const int32_t width = std::max(after.Width(), 0);
    if (before.caption != after.caption || before.pixels.size() != after.pixels.size())
        return ColumnSpan{0, width};
    ColumnSpan span{width, 0};
    for (size_t row = 0; row < after.pixels.size(); row += static_cast<size_t>(width)) {
        const uint32_t* was = before.pixels.data() + row;
        const uint32_t* now = after.pixels.data() + row;
        int32_t first = 0;
        while (first < span.first && was[first] == now[first])
            ++first;
        span.first = first;
        int32_t last = width;
        while (last > span.last && was[last - 1] == now[last - 1])
            --last;
        span.last = last;
    }
    if (span.first >= span.last)
        return ColumnSpan{};
    return span;
}

CaptionRect CaptionFromFrame(const ScreenRect& window, const ScreenRect& visibleFrame, const ScreenRect& buttons) {
    return CaptionRect{visibleFrame.left - window.left + 1, buttons.top, buttons.right, buttons.bottom};
}

CaptionRect CaptionFromTitleBar(const ScreenRect& window, const ScreenRect& titleBar, const CaptionRect& byMetrics) {
    return CaptionRect{std::min(byMetrics.left, titleBar.left - window.left), titleBar.top - window.top,
                       titleBar.right - window.left, titleBar.bottom - window.top};
}

std::vector<ScreenRect> ShownParts(const OverlayPicture& picture, const std::vector<ScreenRect>& covered) {
    constexpr uint32_t kOpaque = 0xFF000000;
    const int32_t width = std::max(picture.Width(), 0);
    const int32_t height = std::max(picture.Height(), 0);
    std::vector<ScreenRect> parts;
    std::vector<ScreenRect> rowBefore; // the runs of the row above, as rectangles still growing
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        const auto shows = [&](int32_t x) {
            return (row[x] & kOpaque) == kOpaque &&
                   std::none_of(covered.begin(), covered.end(), [&](const ScreenRect& c) {
                       return c.left <= x && x < c.right && c.top <= y && y < c.bottom;
                   });
        };
        std::vector<ScreenRect> runs;
        for (int32_t x = 0; x < width;) {
            if (!shows(x)) {
                ++x;
                continue;
            }
            const int32_t left = x;
            while (x < width && shows(x))
                ++x;
            runs.push_back(ScreenRect{left, y, x, y + 1});
        }
        const bool sameRuns =
            runs.size() == rowBefore.size() &&
            std::equal(runs.begin(), runs.end(), rowBefore.begin(),
                       [](const ScreenRect& a, const ScreenRect& b) { return a.left == b.left && a.right == b.right; });
        if (sameRuns) {
            for (ScreenRect& grown : rowBefore)
                grown.bottom = y + 1;
            continue;
        }
        parts.insert(parts.end(), rowBefore.begin(), rowBefore.end());
        rowBefore = std::move(runs);
    }
    parts.insert(parts.end(), rowBefore.begin(), rowBefore.end());
    return parts;
}

void CutOverlayPicture(const CaptionRect& caption, const std::vector<ButtonBox>& clear, const uint32_t* composition,
                       int32_t stride, OverlayPicture& picture) {
    picture.caption = caption;
    const int32_t width = std::max(picture.Width(), 0);
    const int32_t height = std::max(picture.Height(), 0);
    picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    constexpr uint32_t kOpaque = 0xFF000000;
    constexpr uint32_t kColour = 0x00FFFFFF;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* source =
            composition + static_cast<ptrdiff_t>(caption.top + y) * stride + static_cast<ptrdiff_t>(caption.left);
        uint32_t* target = picture.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int32_t x = 0; x < width; ++x)
            target[x] = kOpaque | (source[x] & kColour);
    }
    // Transparent pixels carry no colour: premultiplied alpha.
    for (const ButtonBox& box : clear) {
        const int32_t left = std::max(box.x - caption.left, 0);
        const int32_t right = std::min(box.x + box.width - caption.left, width);
        const int32_t top = std::max(box.y - caption.top, 0);
        const int32_t bottom = std::min(box.y + box.height - caption.top, height);
        for (int32_t y = top; y < bottom; ++y)
            for (int32_t x = left; x < right; ++x)
                picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = 0;
    }
}

} // namespace bndx
