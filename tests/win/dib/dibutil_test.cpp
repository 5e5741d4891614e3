// The DIB helper library on the real platform: files through the kernel, images through GDI. What
// the portable core decides (refusals, RLE, the fitting arithmetic) is tested on the host.
#include "platform/dib/dibutil.h"
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

// Writing and reading background files is what the editor and Banderix do end to end; here, a
// file another program encoded, and a palette of only the colours its header names.
TEST(DibFiles, AnotherProgramsRle8FileLoadsAndItsPaletteHoldsTheColoursItsHeaderNames) {
    // ImageMagick's RLE8 encoding of a 16 x 4 picture: colour 0 red on the left half, 1 blue.
    HDIB dib = LoadDIB(bndx::test::TestProgramPath("stripes_rle8.bmp").c_str());
    ASSERT_NE(dib, nullptr);
    static_cast<BITMAPINFOHEADER*>(GlobalLock(dib))->biClrImportant = 2; // of a table of 256
    GlobalUnlock(dib);
    HPALETTE palette = CreateDIBPalette(dib);
    EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 2u);
    EXPECT_EQ(Entry(palette, 0), kRed);
    EXPECT_EQ(Entry(palette, 1), kBlue);
    DeleteObject(palette);
    DestroyDIB(dib);
    HDIB junk = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64); // not an image of the library's form
    EXPECT_EQ(CreateDIBPalette(junk), nullptr);
    DestroyDIB(junk);
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

} // namespace
