#include "painter/settings/font_description.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace bndx {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One number as %d reads it. Values beyond 32 bits wrap instead of being undefined, so that
// only their low bits count, as for the byte fields.
bool ReadNumber(std::string_view text, size_t& at, int32_t& value) {
    size_t i = at;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size() || !IsDigit(text[i]))
        return false;
    uint32_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        magnitude = magnitude * 10u + static_cast<uint32_t>(text[i] - '0');
    value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    at = i;
    return true;
}

} // namespace

FontDescription ParseFontDescription(std::string_view fontName, std::string_view fontData) {
    FontDescription font{};
    int32_t* const wide[] = {&font.lfHeight, &font.lfWidth, &font.lfEscapement, &font.lfOrientation, &font.lfWeight};
    uint8_t* const narrow[] = {&font.lfItalic,       &font.lfUnderline,     &font.lfStrikeOut, &font.lfCharSet,
                               &font.lfOutPrecision, &font.lfClipPrecision, &font.lfQuality,   &font.lfPitchAndFamily};
    constexpr size_t kFields = std::size(wide) + std::size(narrow);
    size_t at = 0;
    for (size_t field = 0; field < kFields; ++field) {
        if (field > 0) {
            if (at == fontData.size() || fontData[at] != ',')
                break;
            ++at;
        }
        int32_t value = 0;
        if (!ReadNumber(fontData, at, value))
            break;
        if (field < std::size(wide))
            *wide[field] = value;
        else
            *narrow[field - std::size(wide)] = static_cast<uint8_t>(value);
    }

    const std::string_view name = fontName.substr(0, std::min(fontName.find('\0'), kFaceNameSize - 1));
    std::memcpy(font.lfFaceName, name.data(), name.size());
    return font;
}

std::string FormatFontData(const FontDescription& font) {
    const int32_t values[] = {font.lfHeight,        font.lfWidth,        font.lfEscapement,    font.lfOrientation,
                              font.lfWeight,        font.lfItalic,       font.lfUnderline,     font.lfStrikeOut,
                              font.lfCharSet,       font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
                              font.lfPitchAndFamily};
    std::string text;
    for (int32_t value : values) {
        if (!text.empty())
            text += ',';
        text += std::to_string(value);
    }
    return text;
}

std::string FaceNameOf(const FontDescription& font) {
    return std::string(font.lfFaceName, std::find(font.lfFaceName, font.lfFaceName + kFaceNameSize, '\0'));
}

} // namespace bndx
