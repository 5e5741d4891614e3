#include "painter/settings/painter_settings.h"

#include "common/dpi_scaling.h"

#include <cstddef>
#include <cstring>
#include <utility>

namespace bndx {

#define BNDX_SAME_FIELD(field)                                                                                         \
    static_assert(offsetof(LOGFONTA, field) == offsetof(FontDescription, field) &&                                     \
                      sizeof(LOGFONTA::field) == sizeof(FontDescription::field),                                       \
                  #field)
static_assert(sizeof(LOGFONTA) == sizeof(FontDescription), "LOGFONTA");
BNDX_SAME_FIELD(lfHeight);
BNDX_SAME_FIELD(lfWidth);
BNDX_SAME_FIELD(lfEscapement);
BNDX_SAME_FIELD(lfOrientation);
BNDX_SAME_FIELD(lfWeight);
BNDX_SAME_FIELD(lfItalic);
BNDX_SAME_FIELD(lfUnderline);
BNDX_SAME_FIELD(lfStrikeOut);
BNDX_SAME_FIELD(lfCharSet);
BNDX_SAME_FIELD(lfOutPrecision);
BNDX_SAME_FIELD(lfClipPrecision);
BNDX_SAME_FIELD(lfQuality);
BNDX_SAME_FIELD(lfPitchAndFamily);
BNDX_SAME_FIELD(lfFaceName);
#undef BNDX_SAME_FIELD

FontDescription FromLogFont(const LOGFONTA& font) {
    FontDescription description;
    std::memcpy(&description, &font, sizeof(description));
    return description;
}

LOGFONTA ToLogFont(const FontDescription& font) {
    LOGFONTA logFont;
    std::memcpy(&logFont, &font, sizeof(logFont));
    return logFont;
}

namespace {

// More DPIs than monitors means the monitors changed: the fonts are made again.
constexpr size_t kMostScaledFonts = 4;

} // namespace

// No font is selected anywhere between two paints, so a font is never released while in use.
HFONT PainterSettings::GetTextFont(uint32_t dpi, uint32_t systemDpi) const {
    const auto& description = TextFontDescription();
    if (!font_ || !description || dpi == 0 || systemDpi == 0 || dpi == systemDpi)
        return font_.Get();
    for (const ScaledFont& scaled : scaled_)
        if (scaled.dpi == dpi && scaled.systemDpi == systemDpi)
            return scaled.font.Get();
    LOGFONTA logFont = ToLogFont(*description);
    logFont.lfHeight = ScaleToDpi(logFont.lfHeight, dpi, systemDpi);
    logFont.lfWidth = ScaleToDpi(logFont.lfWidth, dpi, systemDpi);
    UniqueFont font(CreateFontIndirectA(&logFont));
    if (!font)
        return font_.Get();
    if (scaled_.size() >= kMostScaledFonts)
        scaled_.clear();
    scaled_.push_back({dpi, systemDpi, std::move(font)});
    return scaled_.back().font.Get();
}

// The new font is made while the old one still exists, so a replaced font's handle can never
// come back as the new one's.
void PainterSettings::OnTextFontChanged() {
    const UniqueFont replaced = std::move(font_);
    if (const auto& description = TextFontDescription()) {
        const LOGFONTA logFont = ToLogFont(*description);
        font_.Reset(CreateFontIndirectA(&logFont));
    }
    scaled_.clear();
}

} // namespace bndx
