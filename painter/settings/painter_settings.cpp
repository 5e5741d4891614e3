#include "painter/settings/painter_settings.h"

#include <cstddef>
#include <cstring>

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

PainterSettings::~PainterSettings() {
    if (font_)
        DeleteObject(font_);
}

// The new font is made while the old one still exists, so a replaced font's handle can never
// come back as the new one's.
void PainterSettings::OnTextFontChanged() {
    HFONT replaced = font_;
    font_ = nullptr;
    if (const auto& description = TextFontDescription()) {
        const LOGFONTA logFont = ToLogFont(*description);
        font_ = CreateFontIndirectA(&logFont);
    }
    if (replaced)
        DeleteObject(replaced);
}

} // namespace bndx
