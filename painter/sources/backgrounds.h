// Backgrounds: background files (.BXB), each a header and one picture that Banderix paints into
// window captions; and the collection of all of them found in the data folders.
#pragma once

#include "common/file_headers.h"
#include "painter/sources/source_entry.h"
#include "platform/dib/dib_owners.h"
#include "platform/dib/strip_cache.h"
#include "platform/framework/scoped_gdi.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bndx {

class CBackgroundEntry : public CSourceEntry {
public:
    // Loads the file at the path. One that cannot be used leaves the description empty; one
    // whose picture cannot be read keeps its description (it is listed) but has no picture.
    explicit CBackgroundEntry(const char* path);

    int16_t Configure() override { return 0; }

    // The default colour of titles and scrolling text over this background, 0 to 15: colour
    // index ColourIndex() + 1 of the colour table.
    uint8_t ColourIndex() const { return header_.ColourIndex; }

    // Whether the picture could be read. One that could not is never painted into captions: it
    // paints as "None" does, so the system's own captions stay.
    bool HasPicture() const { return static_cast<bool>(image_); }

    // Draws the picture into the rectangle, realising the background's palette when asked
    // (the screen runs in 256 colours). Without a palette the picture is fitted to each height
    // once and kept, so a repaint is one copy. Without a picture the rectangle is filled grey,
    // which is how its row in the list shows that the picture could not be read.
    BOOL Paint(HDC dc, const RECT* rect, BOOL usePalette);

    // The palette made for the picture, for the caption's surface in 256 colours (null: none).
    HPALETTE Palette() const { return palette_.Get(); }

private:
    BackgroundFileHeader header_ = {};
    UniquePalette palette_;
    UniqueDib image_;
    DibStripCache strips_;
};

class CBackgroundCollection : public CEntryCollection {
public:
    // Every background of the folders (each ending in a backslash), in their order.
    explicit CBackgroundCollection(std::vector<std::string> folders);
    explicit CBackgroundCollection(const std::string& dataDirectory)
        : CBackgroundCollection(std::vector<std::string>{dataDirectory}) {}

private:
    void ScanFolder(const std::string& folder, size_t position) override;
};

} // namespace bndx
