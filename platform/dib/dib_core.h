// The portable heart of the DIB helper library: checks a bitmap that came from outside (a .bmp
// file, the image part of a background file, a bitmap resource) and turns it into the one packed
// DIB form the rest of the library and its callers handle; and the arithmetic that fits an image
// into a caption strip. No platform calls, so the host build can test and fuzz all of it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace bndx::dib {

// Limits on what is accepted. A background arrives from anyone, so these bound the memory and
// work a hostile file can cost: images are at most 8192 pixels a side and 64 MiB of pixel
// bytes, and a file (bitmap layout only) is read only up to 65 MiB.
constexpr int32_t kMaxSide = 8192;
constexpr uint64_t kMaxPixelBytes = 64u << 20;
constexpr uint64_t kMaxFileBytes = kMaxPixelBytes + (1u << 20);

// Painting composes the whole strip off-screen first, so a strip is bounded too: at most
// 32767 pixels a side (the classic GDI coordinate range) and 16 Mi pixels in all.
constexpr int64_t kMaxStripSide = 32767;
constexpr int64_t kMaxStripPixels = int64_t{1} << 24;

constexpr size_t kFileHeaderSize = 14;
constexpr uint16_t kFileMagic = 0x4D42; // "BM"

// The info header sizes the reader knows: OS/2 core header, BITMAPINFOHEADER, the two Adobe
// extensions that carry the colour masks, BITMAPV4HEADER and BITMAPV5HEADER.
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV2HeaderSize = 52;
constexpr uint32_t kV3HeaderSize = 56;
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionRle8 = 1;
constexpr uint32_t kCompressionRle4 = 2;
constexpr uint32_t kCompressionBitfields = 3;

// BITMAPINFOHEADER; its natural layout is the on-disk one. (BITMAPFILEHEADER has none: its
// 14 bytes are unaligned, so it is only ever read and written byte by byte.)
struct BitmapInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t sizeImage;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t clrUsed;
    uint32_t clrImportant;
};
static_assert(sizeof(BitmapInfoHeader) == kInfoHeaderSize, "BITMAPINFOHEADER is 40 bytes");

// The packed DIB the library hands out, and what every checked source becomes:
//  - a 40-byte BITMAPINFOHEADER, bottom-up (height > 0), one plane, 1/4/8/16/24/32 bits;
//  - BI_RGB, or BI_BITFIELDS at 16 or 32 bits followed by its three colour masks;
//  - up to 8 bits: a full colour table of 2^bits entries (clrUsed says so), padded with black
//    past the colours the source had, so that every pixel value names an entry; clrImportant
//    holds how many colours the image really has, which is what its palette is made of;
//  - the pixel rows, sizeImage bytes, straight after.
struct DibLayout {
    BitmapInfoHeader header; // as written into the packed DIB
    uint32_t masks[3];       // red, green, blue, for BI_BITFIELDS
    size_t bitsOffset;       // where the pixel rows start in the packed DIB
    size_t packedSize;       // the whole packed DIB
    uint32_t stride;         // bytes per pixel row, a multiple of 4

    // Where the source's parts lie, for BuildPackedDib.
    size_t sourceTable;     // colour table offset
    size_t sourceEntrySize; // 3 for the core header's RGBTRIPLEs, else 4
    uint32_t sourceColours; // table entries the source holds (up to 8 bits per pixel)
    size_t sourceBits;      // pixel data offset
    size_t sourceBitsSize;  // bytes of pixel data there
    uint32_t sourceCompression;
    bool sourceTopDown;
};

// Checks a bitmap file image (BITMAPFILEHEADER, info header, colour table, bits; offsets count
// from its first byte) and plans the packed DIB it makes. False for anything unusable.
bool PlanFileImage(const uint8_t* data, size_t size, DibLayout* layout);

// The same for a packed DIB (a bitmap resource, or one of the library's own images): the bits
// follow the info header, masks and colour table directly.
bool PlanPackedDib(const uint8_t* data, size_t size, DibLayout* layout);

// Writes the planned packed DIB (layout.packedSize bytes) to out. RLE data is decoded here and
// can prove bad only while decoding: then false, and out holds nothing usable.
bool BuildPackedDib(const uint8_t* data, size_t size, const DibLayout& layout, uint8_t* out);

// Whether a packed DIB is in the library's own form (what BuildPackedDib writes), giving its
// layout. The block may be larger than the DIB: global memory blocks round their size up.
bool InspectPackedDib(const uint8_t* data, size_t size, DibLayout* layout);

// The file header that puts a packed DIB of this layout into the standard bitmap file layout,
// the DIB following it directly.
void MakeFileHeader(const DibLayout& layout, uint8_t out[kFileHeaderSize]);

// How an image fills a strip such as a caption bar: scaled to the strip's height with its
// aspect ratio kept, then repeated side by side from the strip's left edge, the last copy cut
// at the strip's right edge.
struct StripFit {
    int32_t tileWidth;   // one copy at the strip's height: image width x strip height / image height
    int32_t sourceWidth; // image columns the first copy draws: all, unless one copy is wider than the strip
    int32_t drawnWidth;  // the width those columns take at the copy's scale, never short of the strip
};

// False when a size is not positive or the image or strip is beyond its limit.
bool FitToStrip(int32_t imageWidth, int32_t imageHeight, int64_t stripWidth, int64_t stripHeight, StripFit* fit);

} // namespace bndx::dib
