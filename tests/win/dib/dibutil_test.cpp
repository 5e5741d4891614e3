// The DIB helper library on the real platform: files through the kernel, images through GDI.
#include "common/file_headers.h"
#include "platform/dib/dibutil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kCyan = RGB(0, 255, 255);

// A file beside the test program (the build copies the test bitmaps there).
std::string BesideProgram(const char* name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, length);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + name;
}

std::string TempFile() {
    char dir[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    GetTempFileNameA(dir, "dib", 0, path);
    return path;
}

// A 24-bit image in the library's own form, coloured column by column.
HDIB ColumnImage(int width, int height, const std::function<COLORREF(int)>& colourOf) {
    const DWORD stride = (width * 3 + 3) & ~3;
    HDIB dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + stride * height);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, stride * height, 0, 0, 0, 0};
    auto* bits = reinterpret_cast<BYTE*>(header + 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE* pixel = bits + y * stride + x * 3;
            pixel[0] = GetBValue(colourOf(x));
            pixel[1] = GetGValue(colourOf(x));
            pixel[2] = GetRValue(colourOf(x));
        }
    GlobalUnlock(dib);
    return dib;
}

// A 32-bit top-down DIB section in a memory DC, filled with one colour.
class Surface {
public:
    Surface(int width, int height, COLORREF fill) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    HDC Dc() const { return dc_; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD pixel = bits_[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
};

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%06lX", static_cast<unsigned long>(c));
    return text;
}

#define EXPECT_PIXEL(surface, x, y, colour)                                                                            \
    EXPECT_EQ(Hex((surface).At(x, y)), Hex(colour)) << "at (" << (x) << ", " << (y) << ")"

std::string Contents(HDIB dib) {
    const auto* bytes = static_cast<const char*>(GlobalLock(dib));
    std::string copy(bytes, bytes + GlobalSize(dib));
    GlobalUnlock(dib);
    return copy;
}

// Writes a background file: its header, then the image the way the editor saves it.
void WriteBackground(const std::string& path, HDIB dib) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const bndx::BackgroundFileHeader header = bndx::MakeBackgroundHeader("Stripes", 3);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, &header, sizeof(header), &written, nullptr));
    EXPECT_TRUE(WriteDIBToFile(dib, file));
    CloseHandle(file);
}

// Reads it back as the caption painter does: the header, then the image from where it stops.
HDIB ReadBackground(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    bndx::BackgroundFileHeader header;
    DWORD read = 0;
    ReadFile(file, &header, sizeof(header), &read, nullptr);
    HDIB dib = ReadDIBFromFile(file, sizeof(header));
    CloseHandle(file);
    return dib;
}

TEST(DibFiles, RealBitmapLoadsAndABackgroundFileReadsItBack) {
    // ImageMagick's RLE8 encoding of a 16 x 4 picture, red on the left half, blue on the right.
    HDIB dib = LoadDIB(BesideProgram("stripes_rle8.bmp").c_str());
    ASSERT_NE(dib, nullptr);
    Surface surface(16, 4, kGreen);
    const RECT all{0, 0, 16, 4};
    EXPECT_TRUE(PaintDIB(surface.Dc(), &all, dib, nullptr, 0));
    for (int y : {0, 3}) {
        EXPECT_PIXEL(surface, 0, y, kRed);
        EXPECT_PIXEL(surface, 7, y, kRed);
        EXPECT_PIXEL(surface, 8, y, kBlue);
        EXPECT_PIXEL(surface, 15, y, kBlue);
    }

    const std::string path = TempFile();
    WriteBackground(path, dib);
    HDIB back = ReadBackground(path);
    ASSERT_NE(back, nullptr);
    const size_t packedSize = 40 + 256 * 4 + 16 * 4; // global blocks may be larger
    EXPECT_EQ(Contents(back).substr(0, packedSize), Contents(dib).substr(0, packedSize));
    EXPECT_TRUE(DestroyDIB(back));
    EXPECT_TRUE(DestroyDIB(dib));
    DeleteFileA(path.c_str());
}

TEST(DibFiles, DamagedOrMissingFilesGiveNoImage) {
    EXPECT_EQ(LoadDIB(BesideProgram("no such file.bmp").c_str()), nullptr);

    HDIB dib = ColumnImage(8, 2, [](int) { return kRed; });
    const std::string path = TempFile();
    WriteBackground(path, dib);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    LARGE_INTEGER cut;
    cut.QuadPart = 52 + 14 + 40 + 10; // inside the bits
    SetFilePointerEx(file, cut, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    EXPECT_EQ(ReadBackground(path), nullptr);
    DeleteFileA(path.c_str());
    EXPECT_TRUE(DestroyDIB(dib));

    // Memory that does not hold an image of the library's form is neither painted nor written.
    HDIB junk = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    Surface surface(4, 4, kGreen);
    const RECT all{0, 0, 4, 4};
    EXPECT_FALSE(PaintDIB(surface.Dc(), &all, junk, nullptr, 0));
    EXPECT_FALSE(WriteDIBToFile(junk, GetStdHandle(STD_OUTPUT_HANDLE)));
    EXPECT_EQ(CreateDIBPalette(junk), nullptr);
    EXPECT_PIXEL(surface, 1, 1, kGreen);
    GlobalFree(junk);
}

TEST(DibPaint, CaptionPictureIsScaledToTheStripHeightAndRepeated) {
    // 600 x 20, red then blue halves, into a 1200 x 18 caption at (10, 5): copies 540 wide.
    HDIB dib = ColumnImage(600, 20, [](int x) { return x < 300 ? kRed : kBlue; });
    Surface surface(1220, 30, kGreen);
    const RECT caption{10, 5, 1210, 23};
    EXPECT_TRUE(PaintDIB(surface.Dc(), &caption, dib, nullptr, 0));
    for (int y : {5, 14, 22}) {
        SCOPED_TRACE(y);
        EXPECT_PIXEL(surface, 10, y, kRed);
        EXPECT_PIXEL(surface, 10 + 260, y, kRed);
        EXPECT_PIXEL(surface, 10 + 280, y, kBlue);
        EXPECT_PIXEL(surface, 10 + 530, y, kBlue);
        EXPECT_PIXEL(surface, 10 + 550, y, kRed) << "second copy";
        EXPECT_PIXEL(surface, 10 + 820, y, kBlue);
        EXPECT_PIXEL(surface, 10 + 1090, y, kRed) << "third copy, cut";
        EXPECT_PIXEL(surface, 1209, y, kRed);
        EXPECT_PIXEL(surface, 9, y, kGreen) << "left of the caption";
        EXPECT_PIXEL(surface, 1210, y, kGreen) << "right of the caption";
    }
    EXPECT_PIXEL(surface, 500, 4, kGreen) << "above";
    EXPECT_PIXEL(surface, 500, 23, kGreen) << "below";
    DestroyDIB(dib);
}

TEST(DibPaint, TileIsRepeatedAtTheStripHeightAndTheDcIsLeftAsItWas) {
    // 32 x 32, yellow then cyan halves, into 100 x 18: copies 18 wide, the sixth cut after 10.
    HDIB dib = ColumnImage(32, 32, [](int x) { return x < 16 ? kYellow : kCyan; });
    HPALETTE palette = CreateDIBPalette(dib);
    ASSERT_NE(palette, nullptr) << "a deep image gets the halftone palette";
    Surface surface(110, 18, kGreen);
    const int mode = GetStretchBltMode(surface.Dc());
    const HGDIOBJ defaultPalette = GetCurrentObject(surface.Dc(), OBJ_PAL);
    const RECT strip{0, 0, 100, 18};
    EXPECT_TRUE(PaintDIB(surface.Dc(), &strip, dib, palette, 0));
    for (int copy = 0; copy < 6; ++copy) {
        EXPECT_PIXEL(surface, copy * 18 + 3, 9, kYellow) << "copy " << copy;
        if (copy < 5) {
            EXPECT_PIXEL(surface, copy * 18 + 14, 9, kCyan) << "copy " << copy;
        }
    }
    EXPECT_PIXEL(surface, 100, 9, kGreen);
    EXPECT_EQ(GetStretchBltMode(surface.Dc()), mode);
    EXPECT_EQ(GetCurrentObject(surface.Dc(), OBJ_PAL), defaultPalette);

    const RECT empty{0, 0, 0, 18};
    EXPECT_FALSE(PaintDIB(surface.Dc(), &empty, dib, nullptr, 0));
    EXPECT_FALSE(PaintDIB(surface.Dc(), &strip, nullptr, nullptr, 0));
    DeleteObject(palette);
    DestroyDIB(dib);
}

TEST(DibPalette, IndexedImageGivesItsOwnColours) {
    // An 8-bit image of three colours: its table is full, clrImportant says three.
    const PALETTEENTRY colours[] = {{10, 20, 30, 0}, {200, 100, 50, 0}, {1, 2, 3, 0}};
    HDIB dib = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + 256 * 4 + 4);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 1, 1, 1, 8, BI_RGB, 4, 0, 0, 256, 3};
    auto* table = reinterpret_cast<RGBQUAD*>(header + 1);
    for (int i = 0; i < 3; ++i)
        table[i] = RGBQUAD{colours[i].peBlue, colours[i].peGreen, colours[i].peRed, 0};
    GlobalUnlock(dib);

    HPALETTE palette = CreateDIBPalette(dib);
    ASSERT_NE(palette, nullptr);
    WORD count = 0;
    GetObjectA(palette, sizeof(count), &count);
    ASSERT_EQ(count, 3);
    PALETTEENTRY entries[3];
    ASSERT_EQ(GetPaletteEntries(palette, 0, 3, entries), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].peRed, colours[i].peRed) << i;
        EXPECT_EQ(entries[i].peGreen, colours[i].peGreen) << i;
        EXPECT_EQ(entries[i].peBlue, colours[i].peBlue) << i;
    }
    DeleteObject(palette);
    DestroyDIB(dib);
}

TEST(DibResource, BitmapResourceComesWithItsPaletteAndPaints) {
    // splash.bmp: 8 x 4, 4 bits, red on the left half, blue on the right, a lime top-left pixel.
    HPALETTE palette = nullptr;
    HBITMAP bitmap = LoadResourceBitmap(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101), &palette);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(palette, nullptr);
    BITMAP size{};
    GetObjectA(bitmap, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 8);
    EXPECT_EQ(size.bmHeight, 4);

    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(palette, 0, 256, entries);
    auto has = [&](COLORREF c) {
        for (UINT i = 0; i < count; ++i)
            if (RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue) == c) return true;
        return false;
    };
    EXPECT_TRUE(has(kRed) && has(kBlue) && has(kGreen)) << count << " entries";

    // Drawn as it is at the client origin, then stretched to twice its size beside it.
    Surface surface(30, 8, kYellow);
    const RECT source{0, 0, 8, 4};
    const RECT same{0, 0, 8, 4};
    const RECT twice{10, 0, 26, 8};
    EXPECT_TRUE(PaintBitmap(surface.Dc(), &same, bitmap, &source, palette));
    EXPECT_TRUE(PaintBitmap(surface.Dc(), &twice, bitmap, &source, nullptr));
    EXPECT_PIXEL(surface, 0, 0, kGreen);
    EXPECT_PIXEL(surface, 1, 0, kRed);
    EXPECT_PIXEL(surface, 3, 3, kRed);
    EXPECT_PIXEL(surface, 4, 3, kBlue);
    EXPECT_PIXEL(surface, 8, 0, kYellow);
    EXPECT_PIXEL(surface, 10 + 4, 4, kRed);
    EXPECT_PIXEL(surface, 10 + 12, 4, kBlue);
    EXPECT_PIXEL(surface, 26, 4, kYellow);

    DeleteObject(palette);
    EXPECT_EQ(LoadResourceBitmap(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(999), &palette), nullptr);
    EXPECT_EQ(palette, nullptr) << "no bitmap, no palette";
    DeleteObject(bitmap);
}

} // namespace
