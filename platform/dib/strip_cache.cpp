#include "platform/dib/strip_cache.h"

#include "platform/dib/dib_core.h"
#include "platform/dib/dib_owners.h"

#include <algorithm>
#include <utility>

using namespace bndx::dib;

namespace {

// Caption heights and the small caption height of tool windows, on monitors at two DPIs (each
// has captions of its own height), with room for a change of metrics in between.
constexpr size_t kMostStrips = 6;
// A copy wider than this is not kept whole; the strip is then only as wide as the rectangles.
constexpr int64_t kWidestKeptCopy = 4096;

// Width of one copy of the image at the strip height, or 0 when the image or height is unusable.
int64_t CopyWidth(HDIB dib, int height) {
    const bndx::LockedDib locked(dib);
    DibLayout layout;
    StripFit fit{};
    const bool fits = locked.Inspect(&layout) && FitToStrip(layout.header.width, layout.header.height, 1, height, &fit);
    return fits ? fit.tileWidth : 0;
}

} // namespace

BOOL DibStripCache::Paint(HDC dc, const RECT* dest, HDIB dib) {
    if (!dc || !dest)
        return FALSE;
    const int width = dest->right - dest->left;
    const int height = dest->bottom - dest->top;
    if (width < 1 || height < 1)
        return FALSE;
    Strip* strip = Find(dib, height, width);
    if (!strip)
        strip = Build(dib, height, width);
    if (!strip)
        return FALSE;
    strip->lastUse = ++uses_;
    return BitBlt(dc, dest->left, dest->top, width, height, strip->surface.Dc(), 0, 0, SRCCOPY);
}

DibStripCache::Strip* DibStripCache::Find(HDIB dib, int height, int width) {
    for (Strip& strip : strips_)
        if (strip.dib == dib && strip.height == height && strip.surface.Width() >= width)
            return &strip;
    return nullptr;
}

DibStripCache::Strip* DibStripCache::Build(HDIB dib, int height, int width) {
    const int64_t copy = CopyWidth(dib, height);
    if (copy < 1)
        return nullptr;
    // A whole copy makes every narrower strip a plain cut of this one, exactly as PaintDIB
    // would draw it.
    if (copy <= kWidestKeptCopy)
        width = std::max<int>(width, static_cast<int>(copy));
    // A strip of this height that is too narrow is replaced, not kept beside the new one.
    for (auto it = strips_.begin(); it != strips_.end(); ++it)
        if (it->dib == dib && it->height == height) {
            width = std::max(width, it->surface.Width());
            strips_.erase(it);
            break;
        }
    if (int64_t{width} * height > kMaxStripPixels || width > kMaxStripSide)
        return nullptr;

    Strip strip{dib, height, bndx::DibSurface(width, height), 0};
    const RECT whole{0, 0, width, height};
    if (!strip.surface || !PaintDIB(strip.surface.Dc(), &whole, dib, nullptr, 0))
        return nullptr;
    if (strips_.size() >= kMostStrips) {
        const auto oldest = std::min_element(strips_.begin(), strips_.end(),
                                             [](const Strip& a, const Strip& b) { return a.lastUse < b.lastUse; });
        strips_.erase(oldest);
    }
    strips_.push_back(std::move(strip));
    return &strips_.back();
}
