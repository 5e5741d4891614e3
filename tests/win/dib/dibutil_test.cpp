// The DIB helper library on the real platform: files through the kernel, images through GDI. What
// the portable core decides (refusals, RLE, the fitting arithmetic) is tested on the host.
#include "platform/dib/dib_owners.h"
#include "platform/dib/dib_surface.h"
#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

// A 24-bit image in the library's own form: red on the left half, blue on the right.
HDIB Halves(LONG width, LONG height) {
    const DWORD stride = (width * 3 + 3) & ~3;
    bndx::UniqueDib dib(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + stride * height));
    const bndx::LockedGlobal<BITMAPINFOHEADER> header(dib.Get());
    *header.Get() =
        BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, stride * height, 0, 0, 0, 0};
    for (LONG y = 0; y < height; ++y)
        for (LONG x = 0; x < width; ++x)
            reinterpret_cast<BYTE*>(header.Get() + 1)[y * stride + x * 3 + (x < width / 2 ? 2 : 0)] = 255; // BGR
    return dib.Release();
}

COLORREF Entry(HPALETTE palette, UINT i) {
    PALETTEENTRY entry{};
    GetPaletteEntries(palette, i, 1, &entry);
    return RGB(entry.peRed, entry.peGreen, entry.peBlue);
}

void ExpectRow(HDC dc, int y, std::initializer_list<std::pair<int, COLORREF>> pixels) {
    for (const auto& [x, colour] : pixels)
        EXPECT_EQ(GetPixel(dc, x, y), colour) << "at (" << x << ", " << y << ")";
}

// Writing and reading background files is what the editor and Banderix do end to end; here, a
// file another program encoded, and a palette of only the colours its header names.
TEST(DibFiles, AnotherProgramsRle8FileLoadsAndItsPaletteHoldsTheColoursItsHeaderNames) {
    // ImageMagick's RLE8 encoding of a 16 x 4 picture: colour 0 red on the left half, 1 blue.
    const bndx::UniqueDib dib(LoadDIB(bndx::test::TestProgramPath("stripes_rle8.bmp").c_str()));
    ASSERT_TRUE(dib);
    bndx::LockedGlobal<BITMAPINFOHEADER>(dib.Get()).Get()->biClrImportant = 2; // of a table of 256
    const bndx::UniquePalette palette(CreateDIBPalette(dib.Get()));
    EXPECT_EQ(GetPaletteEntries(palette.Get(), 0, 0, nullptr), 2u);
    EXPECT_EQ(Entry(palette.Get(), 0), kRed);
    EXPECT_EQ(Entry(palette.Get(), 1), kBlue);
    const bndx::UniqueDib junk(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64)); // not of the library's form
    EXPECT_EQ(CreateDIBPalette(junk.Get()), nullptr);
}

TEST(DibPaint, ImageIsScaledToTheStripHeightRepeatedAndTheDcLeftAsItWas) {
    // 600 x 20 into a 1200 x 18 caption at (10, 5): copies 540 wide at 10, 550 and 1090.
    const bndx::UniqueDib dib(Halves(600, 20));
    const bndx::UniquePalette palette(CreateDIBPalette(dib.Get()));
    ASSERT_TRUE(palette) << "a deep image gets the halftone palette";
    const bndx::DibSurface surface(1220, 30);
    const HDC dc = surface.Dc();
    PatBlt(dc, 0, 0, 1220, 30, WHITENESS);
    const HGDIOBJ systemPalette = GetCurrentObject(dc, OBJ_PAL);
    const RECT caption{10, 5, 1210, 23};
    EXPECT_TRUE(PaintDIB(dc, &caption, dib.Get(), palette.Get(), 0));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PAL), systemPalette);
    for (int y : {5, 14, 22}) {
        ExpectRow(dc, y, {{9, kWhite}, {10, kRed}, {270, kRed}, {290, kBlue}, {540, kBlue}});
        ExpectRow(dc, y, {{560, kRed}, {1209, kRed}, {1210, kWhite}});
    }
    ExpectRow(dc, 4, {{500, kWhite}}), ExpectRow(dc, 23, {{500, kWhite}});
}

} // namespace
