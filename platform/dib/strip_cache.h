// An image fitted to strips once and kept, so that painting it again at the same height is one
// copy instead of a scaling: for pictures painted many times a second into captions.
#pragma once

#include "platform/dib/dib_surface.h"
#include "platform/dib/dibutil.h"

#include <windows.h>

#include <vector>

// Keeps an image fitted by PaintDIB's rule to a few strip heights (captions and small captions,
// at the DPI of each monitor painted on), each strip at least one whole copy of the image wide (up
// to a bound) and as wide as the widest rectangle painted at its height. Owns one off-screen DC
// and bitmap per strip, released when the cache is cleared or destroyed. Palettes are not handled
// here: with a palette to realise, paint with PaintDIB itself.
class DibStripCache {
public:
    DibStripCache() = default;
    ~DibStripCache() { Clear(); }
    DibStripCache(const DibStripCache&) = delete;
    DibStripCache& operator=(const DibStripCache&) = delete;

    // What PaintDIB(dc, dest, dib, nullptr, 0) draws. Where one copy of the image is wider than
    // dest, the copy is scaled whole and cut, where PaintDIB scales only the columns that show:
    // the two may then differ by a column's rounding. False as PaintDIB.
    BOOL Paint(HDC dc, const RECT* dest, HDIB dib);

    void Clear() { strips_.clear(); }

    // Strips held now, for tests.
    size_t StripCount() const { return strips_.size(); }

private:
    struct Strip {
        HDIB dib;
        int height;
        bndx::DibSurface surface;
        unsigned lastUse;
    };

    Strip* Find(HDIB dib, int height, int width);
    Strip* Build(HDIB dib, int height, int width);

    std::vector<Strip> strips_;
    unsigned uses_ = 0;
};
