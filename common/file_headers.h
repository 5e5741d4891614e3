// The fixed headers of text foreground files (.BXF) and background files (.BXB), shared by
// Banderix, which reads them, and Bandsmith, which writes them. Little-endian on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bndx {

constexpr uint32_t kFileFormatVersion = 1;
constexpr size_t kDescriptionFieldSize = 32; // at most 31 characters and a NUL

// CRC-16/ARC: reflected polynomial 0xA001, initial value 0, no final xor.
uint16_t Crc16Arc(const uint8_t* data, size_t length);

// The checksum stored in a header: the CRC of the description without its last character
// (as the files have always been written), in the low half of the word.
uint32_t DescriptionChecksum(const std::string& description);

struct ForegroundFileHeader {
    uint32_t Version;
    uint32_t Reserved;
    uint32_t Checksum;
    char Description[kDescriptionFieldSize];
    int32_t LineCount;
};
static_assert(sizeof(ForegroundFileHeader) == 48, "foreground header is 48 bytes");
static_assert(offsetof(ForegroundFileHeader, Checksum) == 8, "layout");
static_assert(offsetof(ForegroundFileHeader, Description) == 12, "layout");
static_assert(offsetof(ForegroundFileHeader, LineCount) == 44, "layout");

struct BackgroundFileHeader {
    uint32_t Version;
    uint32_t Reserved;
    uint32_t Checksum;
    char Description[kDescriptionFieldSize];
    uint8_t ColourIndex; // 0 to 15, meaning colour index ColourIndex + 1
    uint8_t Reserved2[7];
};
static_assert(sizeof(BackgroundFileHeader) == 52, "background header is 52 bytes");
static_assert(offsetof(BackgroundFileHeader, Description) == 12, "layout");
static_assert(offsetof(BackgroundFileHeader, ColourIndex) == 44, "layout");

// Headers ready to write: version 1, checksum of the description, the description cut at
// 31 characters and zero-filled, every reserved byte 0.
ForegroundFileHeader MakeForegroundHeader(const std::string& description, int32_t lineCount);
BackgroundFileHeader MakeBackgroundHeader(const std::string& description, uint8_t colourIndex);

// The description held in a header field, up to its NUL or the field's end, whichever comes
// first. A description is one line wherever it is shown or stored (the settings file keeps it
// as a value), so every control character the file holds reads as a space.
std::string DescriptionOf(const char (&field)[kDescriptionFieldSize]);

// The same rule for a NUL-terminated description from elsewhere (an add-in module's), in place.
void ReplaceControlCharacters(char* text);

} // namespace bndx
