#include "platform/dib/dib_core.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace bndx::dib {
namespace {

using Bytes = std::vector<uint8_t>;

void Poke16(Bytes& b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Poke32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t Peek32(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// What a test bitmap file is made of. Unset bits become a pattern of the right size.
struct Recipe {
    Recipe(uint32_t headerSize = kInfoHeaderSize, int32_t width = 4, int32_t height = 2, uint16_t bitCount = 8,
           uint32_t compression = kCompressionRgb, uint32_t clrUsed = 0, std::vector<uint32_t> masks = {})
        : headerSize(headerSize), width(width), height(height), bitCount(bitCount), compression(compression),
          clrUsed(clrUsed), masks(std::move(masks)) {}
    uint32_t headerSize;
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t clrUsed;
    std::vector<uint32_t> masks;
    Bytes bits;
};

uint32_t StrideOf(int32_t width, uint16_t bitCount) {
    return (static_cast<uint32_t>(width) * bitCount + 31) / 32 * 4;
}

// Colour table entries that differ in every channel: blue i, green i + 1, red i + 2.
Bytes BitmapFile(const Recipe& r) {
    const bool core = r.headerSize == kCoreHeaderSize;
    Bytes info(r.headerSize);
    Poke32(info, 0, r.headerSize);
    if (core) {
        Poke16(info, 4, static_cast<uint16_t>(r.width));
        Poke16(info, 6, static_cast<uint16_t>(r.height));
        Poke16(info, 8, 1);
        Poke16(info, 10, r.bitCount);
    } else {
        Poke32(info, 4, static_cast<uint32_t>(r.width));
        Poke32(info, 8, static_cast<uint32_t>(r.height));
        Poke16(info, 12, 1);
        Poke16(info, 14, r.bitCount);
        Poke32(info, 16, r.compression);
        Poke32(info, 32, r.clrUsed);
        for (size_t i = 0; i < r.masks.size() && r.headerSize > kInfoHeaderSize; ++i)
            Poke32(info, kInfoHeaderSize + 4 * i, r.masks[i]);
    }
    if (r.headerSize == kInfoHeaderSize && r.compression == kCompressionBitfields) {
        for (uint32_t mask : r.masks) {
            info.resize(info.size() + 4);
            Poke32(info, info.size() - 4, mask);
        }
    }
    const uint32_t entries = r.bitCount > 8 ? 0 : r.clrUsed ? r.clrUsed : 1u << r.bitCount;
    Bytes table;
    for (uint32_t i = 0; i < entries; ++i) {
        for (uint32_t c = 0; c < 3; ++c)
            table.push_back(static_cast<uint8_t>(i + c));
        if (!core) table.push_back(0);
    }
    Bytes bits = r.bits;
    if (bits.empty()) {
        bits.resize(static_cast<size_t>(StrideOf(r.width, r.bitCount)) * std::abs(r.height));
        for (size_t i = 0; i < bits.size(); ++i)
            bits[i] = static_cast<uint8_t>(i * 37 + 11);
    }
    Bytes file(kFileHeaderSize);
    Poke16(file, 0, kFileMagic);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), table.begin(), table.end());
    Poke32(file, 10, static_cast<uint32_t>(file.size()));
    file.insert(file.end(), bits.begin(), bits.end());
    Poke32(file, 2, static_cast<uint32_t>(file.size()));
    return file;
}

// The packed DIB a file makes, as the library's shell gets it; empty when refused.
Bytes Decode(const Bytes& file) {
    DibLayout layout;
    if (!PlanFileImage(file.data(), file.size(), &layout)) return {};
    Bytes packed(layout.packedSize);
    return BuildPackedDib(file.data(), file.size(), layout, packed.data()) ? packed : Bytes{};
}

Bytes Rle(Recipe recipe, Bytes data) {
    recipe.bits = std::move(data);
    return BitmapFile(recipe);
}

const Recipe kRle8{kInfoHeaderSize, 4, 3, 8, kCompressionRle8};
const Recipe kRle4{kInfoHeaderSize, 5, 2, 4, kCompressionRle4};

struct BadCase {
    std::string name;
    Bytes file;
};

std::vector<BadCase> BadFiles() {
    const Bytes good = BitmapFile({});
    auto mutated = [&](std::function<void(Bytes&)> change) {
        Bytes file = good;
        change(file);
        return file;
    };
    const size_t info = kFileHeaderSize;
    std::vector<BadCase> cases = {
        {"empty", {}},
        {"cut in the info header", Bytes(good.begin(), good.begin() + 30)},
        {"cut in the colour table", Bytes(good.begin(), good.begin() + 100)},
        {"bits one byte short", Bytes(good.begin(), good.end() - 1)},
        {"not BM", mutated([](Bytes& f) { f[0] = 'X'; })},
        {"width 0", mutated([&](Bytes& f) { Poke32(f, info + 4, 0); })},
        {"width -1", mutated([&](Bytes& f) { Poke32(f, info + 4, 0xFFFFFFFF); })},
        {"width 8193", mutated([&](Bytes& f) { Poke32(f, info + 4, 8193); })},
        {"height 0", mutated([&](Bytes& f) { Poke32(f, info + 8, 0); })},
        {"height INT_MIN", mutated([&](Bytes& f) { Poke32(f, info + 8, 0x80000000u); })},
        {"height -8193", mutated([&](Bytes& f) { Poke32(f, info + 8, static_cast<uint32_t>(-8193)); })},
        {"8192 x 8192 x 24 bits is over 64 MiB", mutated([&](Bytes& f) {
             Poke32(f, info + 4, 8192);
             Poke32(f, info + 8, 8192);
             Poke16(f, info + 14, 24);
         })},
        {"clrUsed 257 at 8 bits", mutated([&](Bytes& f) { Poke32(f, info + 32, 257); })},
        {"JPEG inside", mutated([&](Bytes& f) { Poke32(f, info + 16, 4); })},
        {"RLE4 at 8 bits", mutated([&](Bytes& f) { Poke32(f, info + 16, kCompressionRle4); })},
        {"bitfields at 8 bits", mutated([&](Bytes& f) { Poke32(f, info + 16, kCompressionBitfields); })},
        {"bfOffBits past the end", mutated([](Bytes& f) { Poke32(f, 10, static_cast<uint32_t>(f.size() + 1)); })},
        {"bfOffBits huge", mutated([](Bytes& f) { Poke32(f, 10, 0xFFFFFFFF); })},
        {"bfOffBits inside the colour table", mutated([](Bytes& f) { Poke32(f, 10, 60); })},
        {"1 bit, clrUsed 3", BitmapFile({kInfoHeaderSize, 4, 2, 1, kCompressionRgb, 3})},
        {"bitfields at 24 bits",
         BitmapFile({kInfoHeaderSize, 4, 2, 24, kCompressionBitfields, 0, {0xFF0000, 0xFF00, 0xFF}})},
        {"16 bits in a core header", BitmapFile({kCoreHeaderSize, 4, 2, 16})},
        {"masks overlap", BitmapFile({kInfoHeaderSize, 4, 2, 16, kCompressionBitfields, 0, {0xF800, 0x0FE0, 0x1F}})},
        {"a mask in pieces", BitmapFile({kInfoHeaderSize, 4, 2, 16, kCompressionBitfields, 0, {0xF801, 0x07E0, 0x1E}})},
        {"top-down RLE8", Rle({kInfoHeaderSize, 4, -3, 8, kCompressionRle8}, {0, 1})},
        {"RLE run past the last row", Rle(kRle8, {0, 0, 0, 0, 0, 0, 1, 7, 0, 1})},
        {"RLE delta past the right edge", Rle(kRle8, {0, 2, 5, 0, 0, 1})},
        {"RLE without end of bitmap", Rle(kRle8, {4, 1, 0, 0})},
        {"RLE literal run cut short", Rle(kRle8, {0, 4, 1, 2, 3})},
        {"RLE4 line ends past the top", Rle(kRle4, {0, 0, 0, 0, 0, 0, 0, 1})},
    };
    for (uint32_t size : {0u, 41u, 64u, 0xFFFFFFFFu})
        cases.push_back({"biSize " + std::to_string(size), mutated([&](Bytes& f) { Poke32(f, info, size); })});
    for (uint16_t bits : {0, 2, 48})
        cases.push_back({"bit count " + std::to_string(bits), mutated([&](Bytes& f) { Poke16(f, info + 14, bits); })});
    return cases;
}

TEST(DibReader, EveryBadFileYieldsNoImage) {
    ASSERT_FALSE(Decode(BitmapFile({})).empty()) << "the file the bad ones are made from is good";
    for (const BadCase& bad : BadFiles())
        EXPECT_TRUE(Decode(bad.file).empty()) << bad.name;
}

TEST(DibReader, FileBeyondTheReadLimitIsRefusedWhateverItHolds) {
    Bytes file = BitmapFile({});
    file.resize(kMaxFileBytes + 1);
    DibLayout layout;
    EXPECT_FALSE(PlanFileImage(file.data(), file.size(), &layout));
}

struct GoodCase {
    std::string name;
    Recipe recipe;
    size_t packedSize;
    uint32_t colours; // clrImportant: what the palette is made of
};

TEST(DibReader, GoodImagesBecomePackedDibsOfTheLibrarysForm) {
    const std::vector<GoodCase> cases = {
        {"1 bit", {kInfoHeaderSize, 3, 2, 1}, 40 + 2 * 4 + 2 * 4, 2},
        {"4 bits, 5 colours", {kInfoHeaderSize, 5, 3, 4, kCompressionRgb, 5}, 40 + 16 * 4 + 3 * 4, 5},
        {"8 bits", {kInfoHeaderSize, 3, 2, 8}, 40 + 256 * 4 + 2 * 4, 256},
        {"8 bits, core header", {kCoreHeaderSize, 3, 2, 8}, 40 + 256 * 4 + 2 * 4, 256},
        {"16 bits 565",
         {kInfoHeaderSize, 3, 2, 16, kCompressionBitfields, 0, {0xF800, 0x07E0, 0x1F}},
         40 + 12 + 2 * 8,
         0},
        {"24 bits", {kInfoHeaderSize, 3, 2, 24}, 40 + 2 * 12, 0},
        {"24 bits, V4 header, top-down", {kV4HeaderSize, 3, -2, 24}, 40 + 2 * 12, 0},
        {"32 bits", {kInfoHeaderSize, 2, 2, 32}, 40 + 2 * 8, 0},
        {"32 bits, V5 header with masks",
         {kV5HeaderSize, 2, 2, 32, kCompressionBitfields, 0, {0xFF, 0xFF00, 0xFF0000}},
         40 + 12 + 2 * 8,
         0},
    };
    for (const GoodCase& good : cases) {
        SCOPED_TRACE(good.name);
        const Bytes file = BitmapFile(good.recipe);
        const Bytes packed = Decode(file);
        ASSERT_EQ(packed.size(), good.packedSize);
        const uint32_t stride = StrideOf(good.recipe.width, good.recipe.bitCount);
        const int32_t rows = std::abs(good.recipe.height);
        EXPECT_EQ(Peek32(packed, 0), kInfoHeaderSize);
        EXPECT_EQ(static_cast<int32_t>(Peek32(packed, 8)), rows) << "always bottom-up";
        EXPECT_EQ(Peek32(packed, 20), stride * rows) << "sizeImage";
        EXPECT_EQ(Peek32(packed, 36), good.colours) << "clrImportant";
        if (good.recipe.bitCount <= 8) {
            const uint32_t tableSize = 1u << good.recipe.bitCount;
            EXPECT_EQ(Peek32(packed, 32), tableSize) << "clrUsed: the full table";
            EXPECT_EQ(packed[40 + 4 * (good.colours - 1) + 2], static_cast<uint8_t>(good.colours + 1))
                << "red of the last real colour";
            if (good.colours < tableSize) {
                EXPECT_EQ(Peek32(packed, 40 + 4 * (tableSize - 1)), 0u) << "entries past the real colours are black";
            }
        }
        // Rows keep their order bottom-up, and a top-down file is turned over.
        const size_t sourceBits = Peek32(file, 10);
        const size_t bitsAt = good.packedSize - stride * rows;
        for (int32_t row = 0; row < rows; ++row) {
            const int32_t from = good.recipe.height < 0 ? rows - 1 - row : row;
            EXPECT_EQ(Bytes(packed.begin() + bitsAt + row * stride, packed.begin() + bitsAt + (row + 1) * stride),
                      Bytes(file.begin() + sourceBits + from * stride, file.begin() + sourceBits + (from + 1) * stride))
                << "row " << row;
        }

        // A written image reads back byte for byte.
        DibLayout layout;
        ASSERT_TRUE(InspectPackedDib(packed.data(), packed.size(), &layout));
        Bytes written(kFileHeaderSize);
        MakeFileHeader(layout, written.data());
        written.insert(written.end(), packed.begin(), packed.end());
        EXPECT_EQ(Peek32(written, 2), written.size()) << "bfSize";
        EXPECT_EQ(Decode(written), packed);
    }
}

TEST(DibReader, OnlyTheLibrarysOwnFormIsTakenBack) {
    Bytes packed = Decode(BitmapFile({}));
    DibLayout layout;
    ASSERT_TRUE(InspectPackedDib(packed.data(), packed.size(), &layout));
    packed.resize(packed.size() + 16); // global memory rounds its blocks up
    EXPECT_TRUE(InspectPackedDib(packed.data(), packed.size(), &layout));
    const struct {
        const char* name;
        size_t at;
        uint32_t value;
    } changes[] = {{"top-down", 8, static_cast<uint32_t>(-2)},
                   {"no plane", 12, 0x00080000},
                   {"sizeImage unset", 20, 0},
                   {"short colour table", 32, 16},
                   {"clrUsed 0", 32, 0}};
    for (const auto& change : changes) {
        Bytes changed = packed;
        Poke32(changed, change.at, change.value);
        EXPECT_FALSE(InspectPackedDib(changed.data(), changed.size(), &layout)) << change.name;
    }
    EXPECT_FALSE(InspectPackedDib(packed.data(), 40 + 1024 + 7, &layout)) << "bits cut short";
}

TEST(DibReader, RleIsDecodedWithRunsClippedToTheRow) {
    // RLE8 4 x 3: a run of three 5s, line end; a literal 1 2 3 4, line end; a delta of two; two 9s.
    const Bytes rle8 = Decode(Rle(kRle8, {3, 5, 0, 0, 0, 4, 1, 2, 3, 4, 0, 0, 0, 2, 2, 0, 2, 9, 0, 1}));
    ASSERT_EQ(rle8.size(), 40u + 1024 + 12);
    EXPECT_EQ(Bytes(rle8.begin() + 1064, rle8.end()), (Bytes{5, 5, 5, 0, 1, 2, 3, 4, 0, 0, 9, 9}));
    EXPECT_EQ(Peek32(rle8, 16), kCompressionRgb);

    // RLE4 5 x 2: five pixels 1 2 1 2 1; a literal A B C, then a run of three 7s with room for two.
    const Bytes rle4 = Decode(Rle(kRle4, {5, 0x12, 0, 0, 0, 3, 0xAB, 0xC0, 3, 0x77, 0, 1}));
    ASSERT_EQ(rle4.size(), 40u + 64 + 8);
    EXPECT_EQ(Bytes(rle4.begin() + 104, rle4.end()), (Bytes{0x12, 0x12, 0x10, 0, 0xAB, 0xC7, 0x70, 0}));
}

TEST(StripFit, ImageIsScaledToTheStripsHeightAndRepeatedAcrossIt) {
    struct Case {
        int32_t imageWidth, imageHeight;
        int64_t stripWidth, stripHeight;
        StripFit expected;
    };
    const Case cases[] = {
        {600, 20, 1200, 18, {540, 600, 540}},     // a caption picture in a lower caption
        {32, 32, 1200, 18, {18, 32, 18}},         // a tile
        {1200, 18, 1200, 18, {1200, 1200, 1200}}, // made to measure: drawn as it is
        {2000, 20, 1200, 18, {1800, 1334, 1201}}, // one copy, only the columns that show
        {1, 8192, 1200, 18, {1, 1, 1}},           // a sliver keeps one column
        {8192, 1, 100, 32767, {268427264, 1, 32767}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.imageWidth) + "x" + std::to_string(c.imageHeight));
        StripFit fit;
        ASSERT_TRUE(FitToStrip(c.imageWidth, c.imageHeight, c.stripWidth, c.stripHeight, &fit));
        EXPECT_EQ(fit.tileWidth, c.expected.tileWidth);
        EXPECT_EQ(fit.sourceWidth, c.expected.sourceWidth);
        EXPECT_EQ(fit.drawnWidth, c.expected.drawnWidth);
    }

    StripFit fit;
    EXPECT_FALSE(FitToStrip(600, 20, 0, 18, &fit));
    EXPECT_FALSE(FitToStrip(600, 20, 1200, -18, &fit));
    EXPECT_FALSE(FitToStrip(600, 20, 32768, 18, &fit));
    EXPECT_FALSE(FitToStrip(600, 20, 5000, 5000, &fit)) << "over 16 Mi pixels";
    EXPECT_FALSE(FitToStrip(0, 20, 1200, 18, &fit));
    EXPECT_FALSE(FitToStrip(8193, 20, 1200, 18, &fit));
}

} // namespace
} // namespace bndx::dib
