// The DIB helper library on the real platform: files through the kernel, images through GDI. What
// the portable core decides (refusals, RLE, the fitting arithmetic) is tested on the host.
#include "common/file_headers.h"
#include "platform/dib/dibutil.h"
#include "platform/dib/strip_cache.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kLime = RGB(0, 255, 0), kWhite = RGB(255, 255, 255);

// A 24-bit image in the library's own form: red on the left half, blue on the right.
HDIB Halves(LONG width, LONG height) {
    const DWORD stride = (width * 3 + 3) & ~3;
    HDIB dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + stride * height);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, stride * height, 0, 0, 0, 0};
    for (LONG y = 0; y < height; ++y)
        for (LONG x = 0; x < width; ++x)
            reinterpret_cast<BYTE*>(header + 1)[y * stride + x * 3 + (x < width / 2 ? 2 : 0)] = 255; // BGR
    GlobalUnlock(dib);
    return dib;
}

COLORREF Entry(HPALETTE palette, UINT i) {
    PALETTEENTRY entry{};
    GetPaletteEntries(palette, i, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

// A memory DC drawing on a white 32-bit DIB section.
struct Surface {
    Surface(int width, int height) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        previous = SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        PatBlt(dc, 0, 0, width, height, WHITENESS);
    }
    ~Surface() {
        DeleteObject(SelectObject(dc, previous));
        DeleteDC(dc);
    }
    void ExpectRow(int y, std::initializer_list<std::pair<int, COLORREF>> pixels) const {
        for (const auto& [x, colour] : pixels)
            EXPECT_EQ(GetPixel(dc, x, y), colour) << "at (" << x << ", " << y << ")";
    }
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HGDIOBJ previous;
};

TEST(DibFiles, BitmapFileWrittenAfterABackgroundHeaderReadsBackWithItsColours) {
    // ImageMagick's RLE8 encoding of a 16 x 4 picture: colour 0 red on the left half, 1 blue.
    HDIB dib = LoadDIB(bndx::test::TestProgramPath("stripes_rle8.bmp").c_str());
    ASSERT_NE(dib, nullptr);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    header->biClrImportant = 2; // only the first two colours of its table are the image's
    const std::string packed(reinterpret_cast<char*>(header), 40 + 256 * 4 + 16 * 4);
    GlobalUnlock(dib);

    // A background file: its header, then the image; read back from where the header stops.
    const std::string path = bndx::test::TestProgramPath("written.bxb");
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const bndx::BackgroundFileHeader background = bndx::MakeBackgroundHeader("Stripes", 3);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, &background, sizeof(background), &written, nullptr));
    HDIB junk = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64); // not an image of the library's form
    EXPECT_FALSE(WriteDIBToFile(junk, file));
    EXPECT_EQ(CreateDIBPalette(junk), nullptr);
    DestroyDIB(junk);
    EXPECT_TRUE(WriteDIBToFile(dib, file));
    HDIB back = ReadDIBFromFile(file, sizeof(background));
    CloseHandle(file);
    DeleteFileA(path.c_str());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::string(static_cast<char*>(GlobalLock(back)), packed.size()), packed); // blocks may be larger
    GlobalUnlock(back);

    HPALETTE palette = CreateDIBPalette(back);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 2u);
    EXPECT_EQ(Entry(palette, 0), kRed);
    EXPECT_EQ(Entry(palette, 1), kBlue);
    DeleteObject(palette);
    DestroyDIB(back);
    DestroyDIB(dib);
}

TEST(DibPaint, ImageIsScaledToTheStripHeightRepeatedAndTheDcLeftAsItWas) {
    // 600 x 20 into a 1200 x 18 caption at (10, 5): copies 540 wide at 10, 550 and 1090.
    HDIB dib = Halves(600, 20);
    HPALETTE palette = CreateDIBPalette(dib);
    ASSERT_NE(palette, nullptr) << "a deep image gets the halftone palette";
    Surface surface(1220, 30);
    const HGDIOBJ systemPalette = GetCurrentObject(surface.dc, OBJ_PAL);
    const RECT caption{10, 5, 1210, 23};
    EXPECT_TRUE(PaintDIB(surface.dc, &caption, dib, palette, 0));
    EXPECT_EQ(GetCurrentObject(surface.dc, OBJ_PAL), systemPalette);
    for (int y : {5, 14, 22}) {
        surface.ExpectRow(y, {{9, kWhite}, {10, kRed}, {270, kRed}, {290, kBlue}, {540, kBlue}});
        surface.ExpectRow(y, {{560, kRed}, {1209, kRed}, {1210, kWhite}});
    }
    surface.ExpectRow(4, {{500, kWhite}}), surface.ExpectRow(23, {{500, kWhite}});
    DeleteObject(palette);
    DestroyDIB(dib);
}

// Captions on a monitor at another DPI are of another height: each height has a strip of its own,
// fitted as PaintDIB fits the image to it, and going back to a height finds its strip still kept.
TEST(DibPaint, StripCacheKeepsAStripPerCaptionHeightEachAsPaintDibDrawsIt) {
    HDIB dib = Halves(600, 20);
    DibStripCache cache;
    constexpr int kWidth = 1220, kHeight = 30;
    for (const int height : {18, 14, 27, 21, 18, 27}) { // captions and small captions at 96 and 144 DPI
        SCOPED_TRACE(height);
        Surface cached(kWidth, kHeight), direct(kWidth, kHeight);
        const RECT caption{10, 1, 1210, 1 + height};
        ASSERT_TRUE(cache.Paint(cached.dc, &caption, dib));
        ASSERT_TRUE(PaintDIB(direct.dc, &caption, dib, nullptr, 0));
        GdiFlush();
        EXPECT_EQ(std::memcmp(cached.bits, direct.bits, size_t{kWidth} * kHeight * 4), 0);
    }
    EXPECT_EQ(cache.StripCount(), 4u);
    DestroyDIB(dib);
}

TEST(DibResource, BitmapResourceComesWithItsPaletteAndPaints) {
    // splash.bmp: 8 x 4, 4 bits, red on the left half, blue on the right, a lime top-left pixel.
    HPALETTE palette = nullptr;
    HBITMAP bitmap = LoadResourceBitmap(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101), &palette);
    ASSERT_NE(bitmap, nullptr);
    BITMAP size{};
    GetObjectA(bitmap, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 8);
    EXPECT_EQ(size.bmHeight, 4);
    EXPECT_EQ(Entry(palette, 1), kLime) << "the palette of its own colours";

    // Drawn as it is at the origin, then stretched to twice its size beside it.
    Surface surface(30, 8);
    const RECT source{0, 0, 8, 4};
    const RECT twice{10, 0, 26, 8};
    EXPECT_TRUE(PaintBitmap(surface.dc, &source, bitmap, &source, palette));
    const int mode = GetStretchBltMode(surface.dc);
    EXPECT_TRUE(PaintBitmap(surface.dc, &twice, bitmap, &source, nullptr));
    EXPECT_EQ(GetStretchBltMode(surface.dc), mode) << "the DC is left as it was";
    surface.ExpectRow(0, {{0, kLime}, {1, kRed}, {8, kWhite}});
    surface.ExpectRow(3, {{3, kRed}, {4, kBlue}});
    surface.ExpectRow(4, {{14, kRed}, {22, kBlue}, {26, kWhite}});

    DeleteObject(palette);
    EXPECT_EQ(LoadResourceBitmap(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999), &palette), nullptr);
    EXPECT_EQ(palette, nullptr) << "no bitmap, no palette";
    DeleteObject(bitmap);
}

} // namespace
