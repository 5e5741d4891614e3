// The DIB helper library: reading, writing and painting device-independent bitmaps and making
// their palettes, for Banderix's backgrounds and splash and Bandsmith's background documents.
//
// An image (HDIB) is movable global memory holding one packed DIB in the library's own form:
// a 40-byte BITMAPINFOHEADER, bottom-up, BI_RGB (or BI_BITFIELDS with its three masks at 16 and
// 32 bits), at up to 8 bits a full colour table of 2^bits entries with clrImportant the number
// of real colours, then the pixel rows. Only images made by this library are accepted back.
//
// Readers take 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB, BI_BITFIELDS (16, 32 bits) and
// RLE4/RLE8 (decoded, every run checked), top-down or bottom-up, with any of the 12, 40, 52, 56,
// 108 and 124-byte info headers. They refuse images over 8192 pixels a side or 64 MiB of pixel
// bytes, and bitmap data over 65 MiB, and anything malformed: a null image, never a partial one.
#pragma once

#include <windows.h>

typedef HGLOBAL HDIB; // movable global memory holding one packed DIB; null = no image

// The file is positioned right after a header of headerLength bytes; the standard bitmap file
// layout (BITMAPFILEHEADER + DIB) runs from there to the end of the file, its offsets counted
// from its own start. Null on any bad input.
HDIB ReadDIBFromFile(HANDLE file, DWORD headerLength);

// Writes the standard bitmap file layout at the current position, so that ReadDIBFromFile
// given that position as the header length reads the image back.
BOOL WriteDIBToFile(HDIB dib, HANDLE file);

// A .bmp file; null when it cannot be read.
HDIB LoadDIB(const char* path);

// The image's colours as a logical palette (the halftone palette for images deeper than
// 8 bits); null when none can be made.
HPALETTE CreateDIBPalette(HDIB dib);

// Fills dest with the image: scaled to dest's height with its aspect ratio kept, repeated
// from dest's left edge across its width, the last copy cut at the right edge. A palette given
// is selected as a background palette and realised while painting. Nothing outside dest is
// touched and the DC is left as it was. flags is reserved: callers pass 0.
BOOL PaintDIB(HDC dc, const RECT* dest, HDIB dib, HPALETTE palette, DWORD flags);

BOOL DestroyDIB(HDIB dib);

// A BITMAP resource as a GDI bitmap (a DIB section; GetObject gives its size), and when palette
// is not null the palette of its colours through it (null when none can be made).
HBITMAP LoadResourceBitmap(HINSTANCE instance, LPCSTR resource, HPALETTE* palette);

// Draws the source rectangle of the bitmap into dest, stretched if their sizes differ, with
// the palette (if any) realised in the foreground: the splash is the program's own window.
BOOL PaintBitmap(HDC dc, const RECT* dest, HBITMAP bitmap, const RECT* source, HPALETTE palette);
