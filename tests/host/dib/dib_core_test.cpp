#include "platform/dib/dib_core.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace bndx::dib {
namespace {

using Bytes = std::vector<uint8_t>;

void Poke(Bytes& b, size_t at, uint32_t v, int width = 4) {
    for (int i = 0; i < width; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Peek32(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// Colour table entry i of a test file, as a little-endian RGBQUAD: every channel different.
uint32_t Colour(uint32_t i) {
    return (i & 0xFF) | ((i + 1) & 0xFF) << 8 | ((i + 2) & 0xFF) << 16;
}

// A bitmap file; without bits given, a pattern of the right size. The masks lie inside the larger
// headers and after a BITMAPINFOHEADER.
Bytes BitmapFile(uint32_t headerSize = kInfoHeaderSize, int32_t width = 4, int32_t height = 2, uint16_t bitCount = 8,
                 uint32_t compression = kCompressionRgb, uint32_t clrUsed = 0, const std::vector<uint32_t>& masks = {},
                 const Bytes& bits = {}) {
    const bool core = headerSize == kCoreHeaderSize;
    const int side = core ? 2 : 4, entrySize = core ? 3 : 4;
    Bytes f(kFileHeaderSize + std::max<size_t>(headerSize, masks.empty() ? 0 : kInfoHeaderSize + 12));
    Poke(f, 0, kFileMagic, 2);
    Poke(f, 14, headerSize);
    Poke(f, 18, static_cast<uint32_t>(width), side);
    Poke(f, 18 + side, static_cast<uint32_t>(height), side);
    Poke(f, 20 + 2 * side, bitCount, 2); // planes are not read
    if (!core)
        Poke(f, 30, compression), Poke(f, 46, clrUsed);
    for (size_t i = 0; i < masks.size(); ++i)
        Poke(f, kFileHeaderSize + kInfoHeaderSize + 4 * i, masks[i]);
    for (uint32_t i = 0; i < (bitCount > 8 ? 0 : clrUsed ? clrUsed : 1u << bitCount); ++i) {
        f.resize(f.size() + entrySize);
        Poke(f, f.size() - entrySize, Colour(i), entrySize);
    }
    Poke(f, 10, static_cast<uint32_t>(f.size()));
    for (size_t i = 0; bits.empty() && i < (static_cast<size_t>(width) * bitCount + 31) / 32 * 4 * std::abs(height);
         ++i)
        f.push_back(static_cast<uint8_t>(i * 37 + 11));
    f.insert(f.end(), bits.begin(), bits.end());
    Poke(f, 2, static_cast<uint32_t>(f.size()));
    return f;
}

// The packed DIB a file makes, as the library's shell gets it; empty when refused.
Bytes Decode(const Bytes& file) {
    DibLayout layout;
    if (!PlanFileImage(file.data(), file.size(), &layout))
        return {};
    Bytes packed(layout.packedSize);
    if (!BuildPackedDib(file.data(), file.size(), layout, packed.data()))
        return {};
    packed.resize(packed.size() + 16); // global memory rounds its blocks up
    EXPECT_TRUE(InspectPackedDib(packed.data(), packed.size(), &layout)) << "made, but not in the library's form";
    packed.resize(layout.packedSize);
    return packed;
}

Bytes Rle(uint16_t bitCount, int32_t width, int32_t height, const Bytes& data) {
    return BitmapFile(kInfoHeaderSize, width, height, bitCount, bitCount == 4 ? kCompressionRle4 : kCompressionRle8, 0,
                      {}, data);
}

TEST(DibReader, EveryBadFileYieldsNoImage) {
    const Bytes good = BitmapFile();
    ASSERT_FALSE(Decode(good).empty()) << "the file the bad ones are made from is good";
    std::vector<std::pair<std::string, Bytes>> bad = {
        {"width 8193", BitmapFile(kInfoHeaderSize, 8193, 1)},
        {"pixels > 64 MiB", BitmapFile(kInfoHeaderSize, 8192, 2731, 24, kCompressionRgb, 0, {}, Bytes(24576 * 2731))},
        {"1 bit, clrUsed 3", BitmapFile(kInfoHeaderSize, 4, 2, 1, kCompressionRgb, 3)},
        {"16 bits in a core header", BitmapFile(kCoreHeaderSize, 4, 2, 16)},
        {"24-bit bitfields", BitmapFile(kInfoHeaderSize, 4, 2, 24, kCompressionBitfields, 0, {0xFF0000, 0xFF00, 0xFF})},
        {"masks overlap", BitmapFile(kInfoHeaderSize, 4, 2, 16, kCompressionBitfields, 0, {0xF800, 0x0FE0, 0x1F})},
        {"a mask in pieces", BitmapFile(kInfoHeaderSize, 4, 2, 16, kCompressionBitfields, 0, {0xF801, 0x07E0, 0x1E})},
        {"top-down RLE8", Rle(8, 4, -3, {0, 1})},
        {"RLE run past the last row", Rle(8, 4, 3, {0, 0, 0, 0, 0, 0, 1, 7, 0, 1})},
        {"RLE delta past the right edge", Rle(8, 4, 3, {0, 2, 5, 0, 0, 1})},
        {"RLE literal run cut short", Rle(8, 4, 3, {0, 4, 1, 2, 3})},
        {"over the read limit", good},
    };
    bad.back().second.resize(kMaxFileBytes + 1);
    for (size_t cut : {size_t{0}, size_t{30}, size_t{100}, good.size() - 1})
        bad.emplace_back("cut to " + std::to_string(cut) + " bytes", Bytes(good.begin(), good.begin() + cut));
    // One field at a time set to what no image has.
    const std::tuple<const char*, size_t, int, std::vector<uint32_t>> fields[] = {
        {"bfType", 0, 2, {0x4D58}},
        {"bfOffBits", 10, 4, {static_cast<uint32_t>(good.size() + 1), 60}},
        {"biSize", 14, 4, {0}},
        {"width", 18, 4, {0, 0xFFFFFFFF}},
        {"height", 22, 4, {0, 0x80000000}},
        {"bit count", 28, 2, {0, 2}},
        {"compression", 30, 4, {4 /* JPEG */}},
    };
    for (const auto& [field, at, width, values] : fields)
        for (uint32_t value : values) {
            bad.emplace_back(field + (" " + std::to_string(value)), good);
            Poke(bad.back().second, at, value, width);
        }
    for (const auto& [name, file] : bad)
        EXPECT_TRUE(Decode(file).empty()) << name;
}

TEST(DibReader, GoodImagesBecomePackedDibsOfTheLibrarysForm) {
    // Each with the size of its packed DIB and how many real colours it has (clrImportant).
    const std::tuple<const char*, Bytes, size_t, uint32_t> cases[] = {
        {"1 bit", BitmapFile(kInfoHeaderSize, 3, 2, 1), 40 + 2 * 4 + 2 * 4, 2},
        {"4 bits, 5 colours", BitmapFile(kInfoHeaderSize, 5, 3, 4, kCompressionRgb, 5), 40 + 16 * 4 + 3 * 4, 5},
        {"8 bits, core header", BitmapFile(kCoreHeaderSize, 3, 2, 8), 40 + 256 * 4 + 2 * 4, 256},
        {"16 bits 565", BitmapFile(kInfoHeaderSize, 3, 2, 16, kCompressionBitfields, 0, {0xF800, 0x07E0, 0x1F}),
         40 + 12 + 16, 0},
        {"24 bits, V4 header, top-down", BitmapFile(kV4HeaderSize, 3, -2, 24), 40 + 2 * 12, 0},
        {"32 bits, V5 header", BitmapFile(kV5HeaderSize, 2, 2, 32, kCompressionBitfields, 0, {0xFF, 0xFF00, 0xFF0000}),
         40 + 12 + 16, 0},
    };
    for (const auto& [name, file, packedSize, colours] : cases) {
        SCOPED_TRACE(name);
        const Bytes packed = Decode(file);
        ASSERT_EQ(packed.size(), packedSize);
        EXPECT_EQ(Peek32(packed, 36), colours) << "clrImportant";
        for (uint32_t i = 0; i < Peek32(packed, 32); ++i) // the full table, black past the real colours
            EXPECT_EQ(Peek32(packed, 40 + 4 * i), i < colours ? Colour(i) : 0) << "colour " << i;
        // Rows keep their order bottom-up, and a top-down file (none has a core header) is turned over.
        const bool topDown = static_cast<int32_t>(Peek32(file, 22)) < 0;
        const uint32_t rows = Peek32(packed, 8), stride = (Peek32(packed, 4) * packed[14] + 31) / 32 * 4;
        EXPECT_EQ(Peek32(packed, 20), stride * rows) << "sizeImage";
        for (uint32_t row = 0; row < rows; ++row) {
            const auto from = file.begin() + Peek32(file, 10) + stride * (topDown ? rows - 1 - row : row);
            const auto to = packed.end() - stride * (rows - row);
            EXPECT_EQ(Bytes(from, from + stride), Bytes(to, to + stride)) << "row " << row;
        }
        // Cut short, it is no longer in the library's form.
        DibLayout layout;
        EXPECT_FALSE(InspectPackedDib(packed.data(), packed.size() - 1, &layout));
    }
}

TEST(DibReader, RleIsDecodedWithRunsClippedToTheRow) {
    // RLE8 4 x 3: a run of three 5s, line end; a literal 1 2 3 4, line end; a delta of two; two 9s.
    const Bytes rle8 = Decode(Rle(8, 4, 3, {3, 5, 0, 0, 0, 4, 1, 2, 3, 4, 0, 0, 0, 2, 2, 0, 2, 9, 0, 1}));
    ASSERT_EQ(rle8.size(), 40u + 1024 + 12);
    EXPECT_EQ(Bytes(rle8.begin() + 1064, rle8.end()), (Bytes{5, 5, 5, 0, 1, 2, 3, 4, 0, 0, 9, 9}));
    EXPECT_EQ(Peek32(rle8, 16), kCompressionRgb);
    // RLE4 5 x 2: five pixels 1 2 1 2 1; a literal A B C, then a run of three 7s with room for two.
    const Bytes rle4 = Decode(Rle(4, 5, 2, {5, 0x12, 0, 0, 0, 3, 0xAB, 0xC0, 3, 0x77, 0, 1}));
    ASSERT_EQ(rle4.size(), 40u + 64 + 8);
    EXPECT_EQ(Bytes(rle4.begin() + 104, rle4.end()), (Bytes{0x12, 0x12, 0x10, 0, 0xAB, 0xC7, 0x70, 0}));
}

TEST(StripFit, ImageIsScaledToTheStripsHeightAndRepeatedAcrossIt) {
    // Image width and height, strip width and height, and the fit.
    const std::tuple<int32_t, int32_t, int64_t, int64_t, StripFit> cases[] = {
        {600, 20, 1200, 18, {540, 600, 540}},     // a caption picture in a lower caption
        {30, 32, 1200, 18, {17, 30, 17}},         // 16.875 columns round to 17
        {1200, 18, 1200, 18, {1200, 1200, 1200}}, // made to measure: drawn as it is
        {2000, 20, 1200, 18, {1800, 1334, 1201}}, // one copy, only the columns that show
        {1, 8192, 1200, 18, {1, 1, 1}},           // a sliver keeps one column
    };
    for (const auto& [imageWidth, imageHeight, stripWidth, stripHeight, expected] : cases) {
        SCOPED_TRACE(std::to_string(imageWidth) + "x" + std::to_string(imageHeight));
        StripFit fit;
        ASSERT_TRUE(FitToStrip(imageWidth, imageHeight, stripWidth, stripHeight, &fit));
        EXPECT_EQ(std::tie(fit.tileWidth, fit.sourceWidth, fit.drawnWidth),
                  std::tie(expected.tileWidth, expected.sourceWidth, expected.drawnWidth));
    }
    StripFit fit;
    EXPECT_FALSE(FitToStrip(600, 20, 0, 18, &fit));
    EXPECT_FALSE(FitToStrip(600, 20, 5000, 5000, &fit)) << "over 16 Mi pixels";
    EXPECT_FALSE(FitToStrip(8193, 20, 1200, 18, &fit));
}

} // namespace
} // namespace bndx::dib
