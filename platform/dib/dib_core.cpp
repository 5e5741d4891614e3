#include "platform/dib/dib_core.h"

#include <cstring>

namespace bndx::dib {
namespace {

uint16_t Get16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Get32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void Put16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void PutHeader(uint8_t* p, const BitmapInfoHeader& h) {
    Put32(p, h.size);
    Put32(p + 4, static_cast<uint32_t>(h.width));
    Put32(p + 8, static_cast<uint32_t>(h.height));
    Put16(p + 12, h.planes);
    Put16(p + 14, h.bitCount);
    Put32(p + 16, h.compression);
    Put32(p + 20, h.sizeImage);
    Put32(p + 24, static_cast<uint32_t>(h.xPelsPerMeter));
    Put32(p + 28, static_cast<uint32_t>(h.yPelsPerMeter));
    Put32(p + 32, h.clrUsed);
    Put32(p + 36, h.clrImportant);
}

bool IsKnownHeaderSize(uint32_t size) {
    switch (size) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kV2HeaderSize:
    case kV3HeaderSize:
    case kV4HeaderSize:
    case kV5HeaderSize:
        return true;
    default:
        return false;
    }
}

bool IsContiguous(uint32_t mask) {
    if (mask == 0)
        return false;
    while (!(mask & 1))
        mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

// GDI wants each mask one run of bits, the three apart, inside the pixel.
bool AreUsableMasks(const uint32_t (&masks)[3], uint16_t bitCount) {
    const uint32_t pixel = bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (int i = 0; i < 3; ++i) {
        if (!IsContiguous(masks[i]) || (masks[i] & ~pixel))
            return false;
        for (int j = 0; j < i; ++j)
            if (masks[i] & masks[j])
                return false;
    }
    return true;
}

bool CompressionFits(uint32_t compression, uint16_t bitCount, bool topDown) {
    switch (compression) {
    case kCompressionRgb:
        return true;
    case kCompressionRle8:
        return bitCount == 8 && !topDown; // RLE is bottom-up by definition
    case kCompressionRle4:
        return bitCount == 4 && !topDown;
    case kCompressionBitfields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false; // JPEG, PNG and the rest are not images GDI paints everywhere
    }
}

// The info header starts at infoAt. The bits lie at *fileBits when the source is a file, else
// straight after the colour table.
bool Plan(const uint8_t* data, size_t size, size_t infoAt, const uint64_t* fileBits, DibLayout* out) {
    if (size < infoAt || size - infoAt < 4)
        return false;
    const uint8_t* info = data + infoAt;
    const uint32_t headerSize = Get32(info);
    if (!IsKnownHeaderSize(headerSize) || size - infoAt < headerSize)
        return false;

    const bool core = headerSize == kCoreHeaderSize;
    BitmapInfoHeader src{};
    int64_t height;
    if (core) {
        src.width = Get16(info + 4);
        height = Get16(info + 6);
        src.bitCount = Get16(info + 10);
        if (src.bitCount == 16 || src.bitCount == 32)
            return false; // the core header knows neither
    } else {
        src.width = static_cast<int32_t>(Get32(info + 4));
        height = static_cast<int32_t>(Get32(info + 8));
        src.bitCount = Get16(info + 14);
        src.compression = Get32(info + 16);
        src.sizeImage = Get32(info + 20);
        src.xPelsPerMeter = static_cast<int32_t>(Get32(info + 24));
        src.yPelsPerMeter = static_cast<int32_t>(Get32(info + 28));
        src.clrUsed = Get32(info + 32);
        src.clrImportant = Get32(info + 36);
    }
    const bool topDown = height < 0;
    const int64_t rows = topDown ? -height : height;
    if (src.width < 1 || src.width > kMaxSide || rows < 1 || rows > kMaxSide)
        return false;
    switch (src.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    if (!CompressionFits(src.compression, src.bitCount, topDown))
        return false;
    const uint64_t stride = (static_cast<uint64_t>(src.width) * src.bitCount + 31) / 32 * 4;
    const uint64_t pixelBytes = stride * static_cast<uint64_t>(rows);
    if (pixelBytes > kMaxPixelBytes)
        return false;

    DibLayout layout{};
    uint64_t tableAt = infoAt + headerSize;
    const bool bitfields = src.compression == kCompressionBitfields;
    if (bitfields) {
        // A plain BITMAPINFOHEADER has the masks after it; the larger headers hold them.
        const uint8_t* masks = info + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            if (size - tableAt < 12)
                return false;
            tableAt += 12;
        }
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = Get32(masks + 4 * i);
        if (!AreUsableMasks(layout.masks, src.bitCount))
            return false;
    }

    const bool indexed = src.bitCount <= 8;
    const uint32_t tableSize = indexed ? 1u << src.bitCount : 0;
    uint32_t colours = 0;
    if (indexed) {
        colours = src.clrUsed == 0 ? tableSize : src.clrUsed;
        if (colours > tableSize)
            return false;
    }
    // Deeper images may carry a table of colours to favour; it is skipped, but in a packed DIB
    // it still stands between the header and the bits.
    const uint64_t entries = indexed ? colours : (fileBits ? 0 : src.clrUsed);
    const size_t entrySize = core ? 3 : 4;
    const uint64_t tableEnd = tableAt + entries * entrySize;
    if (tableEnd > size)
        return false;
    const uint64_t bitsAt = fileBits ? *fileBits : tableEnd;
    if (bitsAt < tableEnd || bitsAt > size)
        return false;
    const uint64_t available = size - bitsAt;
    const bool rle = src.compression == kCompressionRle8 || src.compression == kCompressionRle4;
    if (rle) {
        layout.sourceBitsSize = src.sizeImage != 0 && src.sizeImage < available ? src.sizeImage : available;
    } else {
        if (available < pixelBytes)
            return false;
        layout.sourceBitsSize = pixelBytes;
    }

    BitmapInfoHeader& h = layout.header;
    h.size = kInfoHeaderSize;
    h.width = src.width;
    h.height = static_cast<int32_t>(rows);
    h.planes = 1;
    h.bitCount = src.bitCount;
    h.compression = bitfields ? kCompressionBitfields : kCompressionRgb;
    h.sizeImage = static_cast<uint32_t>(pixelBytes);
    h.xPelsPerMeter = src.xPelsPerMeter;
    h.yPelsPerMeter = src.yPelsPerMeter;
    h.clrUsed = tableSize;
    h.clrImportant = src.clrImportant > 0 && src.clrImportant <= colours ? src.clrImportant : colours;

    layout.bitsOffset = kInfoHeaderSize + (bitfields ? 12 : 0) + tableSize * 4;
    layout.packedSize = layout.bitsOffset + static_cast<size_t>(pixelBytes);
    layout.stride = static_cast<uint32_t>(stride);
    layout.sourceTable = static_cast<size_t>(tableAt);
    layout.sourceEntrySize = entrySize;
    layout.sourceColours = colours;
    layout.sourceBits = static_cast<size_t>(bitsAt);
    layout.sourceCompression = src.compression;
    layout.sourceTopDown = topDown;
    *out = layout;
    return true;
}

// Decodes RLE8 or RLE4 into zeroed bottom-up rows. Pixels past a row's end are dropped (some
// encoders pad RLE4 runs to whole bytes); anything that would leave the image, and data that
// ends before the end-of-bitmap mark, fails.
bool DecodeRle(const uint8_t* src, size_t size, bool fourBit, const DibLayout& layout, uint8_t* bits) {
    const uint32_t width = static_cast<uint32_t>(layout.header.width);
    const uint32_t rows = static_cast<uint32_t>(layout.header.height);
    uint32_t x = 0;
    uint32_t y = 0;
    auto put = [&](uint8_t value) {
        if (x >= width)
            return;
        uint8_t* row = bits + static_cast<size_t>(y) * layout.stride;
        if (!fourBit)
            row[x] = value;
        else if (x & 1)
            row[x / 2] = static_cast<uint8_t>((row[x / 2] & 0xF0) | value);
        else
            row[x / 2] = static_cast<uint8_t>((row[x / 2] & 0x0F) | value << 4);
        ++x;
    };
    size_t p = 0;
    while (size - p >= 2) {
        const uint8_t count = src[p];
        const uint8_t value = src[p + 1];
        p += 2;
        if (count > 0) {
            if (y >= rows)
                return false;
            for (unsigned i = 0; i < count; ++i)
                put(fourBit ? (i & 1 ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) { // end of line
            x = 0;
            if (++y > rows)
                return false;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // delta
            if (size - p < 2)
                return false;
            x += src[p];
            y += src[p + 1];
            p += 2;
            if (x > width || y > rows)
                return false;
        } else { // a literal run, padded to a whole word
            const size_t bytes = fourBit ? (value + 1u) / 2 : value;
            const size_t padded = (bytes + 1) & ~size_t{1};
            if (size - p < padded || y >= rows)
                return false;
            for (unsigned i = 0; i < value; ++i)
                put(fourBit ? (src[p + i / 2] >> (i & 1 ? 0 : 4)) & 0x0F : src[p + i]);
            p += padded;
        }
    }
    return false;
}

} // namespace

bool PlanFileImage(const uint8_t* data, size_t size, DibLayout* layout) {
    if (size < kFileHeaderSize || size > kMaxFileBytes || Get16(data) != kFileMagic)
        return false;
    const uint64_t bitsAt = Get32(data + 10);
    return Plan(data, size, kFileHeaderSize, &bitsAt, layout);
}

bool PlanPackedDib(const uint8_t* data, size_t size, DibLayout* layout) {
    return Plan(data, size, 0, nullptr, layout);
}

bool BuildPackedDib(const uint8_t* data, size_t size, const DibLayout& layout, uint8_t* out) {
    if (layout.sourceBits > size || size - layout.sourceBits < layout.sourceBitsSize)
        return false;
    PutHeader(out, layout.header);
    uint8_t* at = out + kInfoHeaderSize;
    if (layout.header.compression == kCompressionBitfields) {
        for (uint32_t mask : layout.masks) {
            Put32(at, mask);
            at += 4;
        }
    }
    for (uint32_t i = 0; i < layout.header.clrUsed; ++i, at += 4) {
        // RGBQUADs are copied whole, so that an image of the library's own form is rebuilt
        // byte for byte; the core header's RGBTRIPLEs get a zero fourth byte.
        std::memset(at, 0, 4);
        if (i < layout.sourceColours)
            std::memcpy(at, data + layout.sourceTable + i * layout.sourceEntrySize, layout.sourceEntrySize);
    }

    uint8_t* bits = out + layout.bitsOffset;
    const uint8_t* source = data + layout.sourceBits;
    if (layout.sourceCompression == kCompressionRle8 || layout.sourceCompression == kCompressionRle4) {
        std::memset(bits, 0, layout.header.sizeImage);
        return DecodeRle(source, layout.sourceBitsSize, layout.sourceCompression == kCompressionRle4, layout, bits);
    }
    const size_t rows = static_cast<size_t>(layout.header.height);
    for (size_t row = 0; row < rows; ++row) {
        const size_t from = layout.sourceTopDown ? rows - 1 - row : row;
        std::memcpy(bits + row * layout.stride, source + from * layout.stride, layout.stride);
    }
    return true;
}

bool InspectPackedDib(const uint8_t* data, size_t size, DibLayout* layout) {
    // The library's own form is the one that planning leaves exactly as it is.
    DibLayout planned;
    if (size < kInfoHeaderSize || Get32(data) != kInfoHeaderSize || !PlanPackedDib(data, size, &planned) ||
        planned.sourceBits != planned.bitsOffset)
        return false;
    uint8_t header[kInfoHeaderSize];
    PutHeader(header, planned.header);
    if (std::memcmp(header, data, kInfoHeaderSize) != 0)
        return false;
    *layout = planned;
    return true;
}

void MakeFileHeader(const DibLayout& layout, uint8_t out[kFileHeaderSize]) {
    Put16(out, kFileMagic);
    Put32(out + 2, static_cast<uint32_t>(kFileHeaderSize + layout.packedSize));
    Put32(out + 6, 0);
    Put32(out + 10, static_cast<uint32_t>(kFileHeaderSize + layout.bitsOffset));
}

bool FitToStrip(int32_t imageWidth, int32_t imageHeight, int64_t stripWidth, int64_t stripHeight, StripFit* fit) {
    if (imageWidth < 1 || imageWidth > kMaxSide || imageHeight < 1 || imageHeight > kMaxSide)
        return false;
    if (stripWidth < 1 || stripWidth > kMaxStripSide || stripHeight < 1 || stripHeight > kMaxStripSide ||
        stripWidth * stripHeight > kMaxStripPixels)
        return false;
    // Rounded to the nearest pixel; a sliver of an image still shows as one column.
    int64_t tile = (2 * int64_t{imageWidth} * stripHeight + imageHeight) / (2 * int64_t{imageHeight});
    if (tile < 1)
        tile = 1;
    int64_t source = imageWidth;
    int64_t drawn = tile;
    if (tile > stripWidth) {
        // Only the columns that show are drawn, so the scaled image never has to exist whole.
        source = (stripWidth * imageWidth + tile - 1) / tile;
        drawn = (source * tile + imageWidth - 1) / imageWidth;
    }
    fit->tileWidth = static_cast<int32_t>(tile);
    fit->sourceWidth = static_cast<int32_t>(source);
    fit->drawnWidth = static_cast<int32_t>(drawn);
    return true;
}

} // namespace bndx::dib
