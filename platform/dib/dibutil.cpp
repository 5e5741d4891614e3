// The Win32 side of the DIB helper library. Every byte that comes from a file or a resource is
// checked by the portable core before anything here relies on it.
#include "platform/dib/dibutil.h"

#include "platform/dib/dib_core.h"
#include "platform/dib/dib_owners.h"
#include "platform/framework/scoped_gdi.h"
#include "platform/framework/win32_handles.h"

#include <cstring>
#include <memory>
#include <new>

using namespace bndx::dib;
using bndx::LockedDib;
using bndx::UniqueDib;

namespace {

// Keeps a caller's DC state (palette, stretch mode, brush origin) and puts it back.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

void UsePalette(HDC dc, HPALETTE palette, BOOL background) {
    if (palette && SelectPalette(dc, palette, background))
        RealizePalette(dc);
}

// Halftoning averages what scaling drops, but on a palette device it would fight the image's
// own palette; there, and when nothing is scaled, plain colour sampling is right.
void SetStretchModeFor(HDC dc, bool scaled) {
    if (scaled && GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 8) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
    }
}

bool ReadAll(HANDLE file, uint8_t* to, uint64_t length) {
    while (length > 0) {
        const DWORD chunk = length > (1u << 24) ? (1u << 24) : static_cast<DWORD>(length);
        DWORD read = 0;
        if (!ReadFile(file, to, chunk, &read, nullptr) || read == 0)
            return false;
        to += read;
        length -= read;
    }
    return true;
}

bool WriteAll(HANDLE file, const uint8_t* from, size_t length) {
    while (length > 0) {
        const DWORD chunk = length > (1u << 24) ? (1u << 24) : static_cast<DWORD>(length);
        DWORD written = 0;
        if (!WriteFile(file, from, chunk, &written, nullptr) || written == 0)
            return false;
        from += written;
        length -= written;
    }
    return true;
}

// A new image from checked source bytes.
HDIB MakeDib(const uint8_t* data, size_t size, bool (*plan)(const uint8_t*, size_t, DibLayout*)) {
    DibLayout layout;
    if (!plan(data, size, &layout))
        return nullptr;
    UniqueDib dib(GlobalAlloc(GMEM_MOVEABLE, layout.packedSize));
    {
        const bndx::LockedGlobal<uint8_t> out(dib.Get());
        if (!out.Get() || !BuildPackedDib(data, size, layout, out.Get()))
            return nullptr;
    }
    return dib.Release();
}

HPALETTE PaletteOf(const uint8_t* bytes, const DibLayout& layout) {
    if (layout.header.bitCount > 8) {
        // The system's halftone palette does not depend on the device; asking it of the screen
        // costs a screen DC for every background at start-up.
        return CreateHalftonePalette(nullptr);
    }
    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } palette{};
    palette.version = 0x300;
    palette.count = static_cast<WORD>(layout.header.clrImportant);
    const uint8_t* table = bytes + kInfoHeaderSize;
    for (WORD i = 0; i < palette.count; ++i) {
        palette.entries[i].peRed = table[4 * i + 2];
        palette.entries[i].peGreen = table[4 * i + 1];
        palette.entries[i].peBlue = table[4 * i];
    }
    return CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
}

} // namespace

HDIB ReadDIBFromFile(HANDLE file, DWORD headerLength) {
    LARGE_INTEGER size;
    if (!file || file == INVALID_HANDLE_VALUE || !GetFileSizeEx(file, &size) || size.QuadPart < headerLength)
        return nullptr;
    const uint64_t length = static_cast<uint64_t>(size.QuadPart) - headerLength;
    LARGE_INTEGER start;
    start.QuadPart = headerLength;
    if (length > kMaxFileBytes || !SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        return nullptr;
    std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[length]);
    if (!bytes || !ReadAll(file, bytes.get(), length))
        return nullptr;
    return MakeDib(bytes.get(), static_cast<size_t>(length), PlanFileImage);
}

BOOL WriteDIBToFile(HDIB dib, HANDLE file) {
    LockedDib locked(dib);
    DibLayout layout;
    const uint8_t* bytes = locked.Inspect(&layout);
    if (!bytes || !file || file == INVALID_HANDLE_VALUE)
        return FALSE;
    uint8_t header[kFileHeaderSize];
    MakeFileHeader(layout, header);
    return WriteAll(file, header, sizeof(header)) && WriteAll(file, bytes, layout.packedSize);
}

HDIB LoadDIB(const char* path) {
    if (!path)
        return nullptr;
    const bndx::UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    return file ? ReadDIBFromFile(file.Get(), 0) : nullptr;
}

HPALETTE CreateDIBPalette(HDIB dib) {
    LockedDib locked(dib);
    DibLayout layout;
    const uint8_t* bytes = locked.Inspect(&layout);
    return bytes ? PaletteOf(bytes, layout) : nullptr;
}

BOOL PaintDIB(HDC dc, const RECT* dest, HDIB dib, HPALETTE palette, DWORD /*flags*/) {
    if (!dc || !dest)
        return FALSE;
    LockedDib locked(dib);
    DibLayout layout;
    const uint8_t* bytes = locked.Inspect(&layout);
    const int64_t width = int64_t{dest->right} - dest->left;
    const int64_t height = int64_t{dest->bottom} - dest->top;
    StripFit fit;
    if (!bytes || !FitToStrip(layout.header.width, layout.header.height, width, height, &fit))
        return FALSE;
    const int stripWidth = static_cast<int>(width);
    const int stripHeight = static_cast<int>(height);

    // The strip is composed off-screen: the image is scaled once, its copies are doubled up
    // inside the strip, and the strip reaches dest in one copy.
    SavedDcState keep(dc);
    const bndx::GdiObject strip(CreateCompatibleBitmap(dc, stripWidth, stripHeight));
    const bndx::MemoryDc memory(dc);
    if (!strip.Get() || !memory.Get())
        return FALSE;
    const bndx::ScopedSelect selected(memory.Get(), strip.Get());
    // Captions belong to other programs: a background palette leaves the system's colours alone.
    UsePalette(memory.Get(), palette, TRUE);
    UsePalette(dc, palette, TRUE);
    SetStretchModeFor(memory.Get(), fit.drawnWidth != fit.sourceWidth || stripHeight != layout.header.height);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes);
    if (StretchDIBits(memory.Get(), 0, 0, fit.drawnWidth, stripHeight, 0, 0, fit.sourceWidth, layout.header.height,
                      bytes + layout.bitsOffset, info, DIB_RGB_COLORS, SRCCOPY) == 0)
        return FALSE;
    for (int filled = fit.tileWidth; filled < stripWidth; filled *= 2) {
        const int more = filled < stripWidth - filled ? filled : stripWidth - filled;
        BitBlt(memory.Get(), filled, 0, more, stripHeight, memory.Get(), 0, 0, SRCCOPY);
    }
    return BitBlt(dc, dest->left, dest->top, stripWidth, stripHeight, memory.Get(), 0, 0, SRCCOPY);
}

BOOL DestroyDIB(HDIB dib) {
    return dib && GlobalFree(dib) == nullptr;
}

HBITMAP LoadResourceBitmap(HINSTANCE instance, LPCSTR resource, HPALETTE* palette) {
    if (palette)
        *palette = nullptr;
    HRSRC found = FindResourceA(instance, resource, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return nullptr;
    const UniqueDib dib(MakeDib(static_cast<const uint8_t*>(data), SizeofResource(instance, found), PlanPackedDib));
    const LockedDib locked(dib.Get());
    DibLayout layout;
    const uint8_t* bytes = locked.Inspect(&layout);
    void* bits = nullptr;
    HBITMAP bitmap =
        bytes ? CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(bytes), DIB_RGB_COLORS, &bits, nullptr, 0)
              : nullptr;
    if (bitmap) {
        std::memcpy(bits, bytes + layout.bitsOffset, layout.header.sizeImage);
        if (palette)
            *palette = PaletteOf(bytes, layout);
    }
    return bitmap;
}

BOOL PaintBitmap(HDC dc, const RECT* dest, HBITMAP bitmap, const RECT* source, HPALETTE palette) {
    if (!dc || !dest || !source)
        return FALSE;
    const bndx::MemoryDc memory(dc);
    const bndx::ScopedSelect selected(memory.Get(), static_cast<HGDIOBJ>(bitmap));
    // A bitmap that is no bitmap, or is selected elsewhere, cannot be drawn from.
    if (!bitmap || GetCurrentObject(memory.Get(), OBJ_BITMAP) != bitmap)
        return FALSE;
    const int64_t width = int64_t{dest->right} - dest->left;
    const int64_t height = int64_t{dest->bottom} - dest->top;
    const int64_t sourceWidth = int64_t{source->right} - source->left;
    const int64_t sourceHeight = int64_t{source->bottom} - source->top;
    if (width < 1 || height < 1 || sourceWidth < 1 || sourceHeight < 1 || width > kMaxStripSide ||
        height > kMaxStripSide || sourceWidth > kMaxStripSide || sourceHeight > kMaxStripSide)
        return FALSE;
    SavedDcState keep(dc);
    UsePalette(dc, palette, FALSE);
    SetStretchModeFor(dc, width != sourceWidth || height != sourceHeight);
    return StretchBlt(dc, dest->left, dest->top, static_cast<int>(width), static_cast<int>(height), memory.Get(),
                      source->left, source->top, static_cast<int>(sourceWidth), static_cast<int>(sourceHeight),
                      SRCCOPY);
}
