// The text font as the settings file keeps it: the face name under FontName and the other
// thirteen fields of the platform's LOGFONTA as decimal text under FontData.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace bndx {

constexpr size_t kFaceNameSize = 32; // at most 31 characters and a NUL

// Laid out exactly like LOGFONTA, so that the Win32 side can copy it whole.
struct FontDescription {
    int32_t lfHeight;
    int32_t lfWidth;
    int32_t lfEscapement;
    int32_t lfOrientation;
    int32_t lfWeight;
    uint8_t lfItalic;
    uint8_t lfUnderline;
    uint8_t lfStrikeOut;
    uint8_t lfCharSet;
    uint8_t lfOutPrecision;
    uint8_t lfClipPrecision;
    uint8_t lfQuality;
    uint8_t lfPitchAndFamily;
    char lfFaceName[kFaceNameSize];
};
static_assert(sizeof(FontDescription) == 28 + kFaceNameSize, "LOGFONTA is 28 bytes and the face name");
static_assert(offsetof(FontDescription, lfWeight) == 16, "layout");
static_assert(offsetof(FontDescription, lfItalic) == 20, "layout");
static_assert(offsetof(FontDescription, lfPitchAndFamily) == 27, "layout");
static_assert(offsetof(FontDescription, lfFaceName) == 28, "layout");

// The description that a FontName and FontData pair stands for. FontData is read like
// "%d,%d,...": each number may follow blanks and carry a sign, and reading stops at the
// first text that does not fit; the fields it did not reach stay 0, which asks the platform
// for its defaults. Numbers keep their low 32 bits, byte fields their low 8 bits. The face
// name is cut at 31 characters.
FontDescription ParseFontDescription(std::string_view fontName, std::string_view fontData);

// The thirteen numbers as FontData holds them, byte fields as 0..255.
std::string FormatFontData(const FontDescription& font);

// The face name up to its NUL, or all 32 characters when there is none.
std::string FaceNameOf(const FontDescription& font);

} // namespace bndx
