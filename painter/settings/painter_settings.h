// The settings record with its text font as a platform font object, made whenever the font's
// description changes and released with the record; likewise the font at each other DPI
// captions were painted at.
#pragma once

#include "painter/settings/settings_record.h"
#include "platform/framework/scoped_gdi.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace bndx {

FontDescription FromLogFont(const LOGFONTA& font);
LOGFONTA ToLogFont(const FontDescription& font);

class PainterSettings : public SettingsRecord {
public:
    PainterSettings() = default;

    // The text font, or none until a font is loaded or chosen.
    HFONT GetTextFont() const { return font_.Get(); }
    // The text font for a caption on a monitor at dpi: its height scaled by dpi / systemDpi,
    // made on first use and kept; the text font itself at the system's DPI.
    HFONT GetTextFont(uint32_t dpi, uint32_t systemDpi) const;
    // Replaces the text font, as the font dialog does when it closes.
    void SetTextFont(const LOGFONTA& font) { SetTextFontDescription(FromLogFont(font)); }

protected:
    void OnTextFontChanged() override;

private:
    struct ScaledFont {
        uint32_t dpi;
        uint32_t systemDpi;
        UniqueFont font;
    };

    UniqueFont font_;
    mutable std::vector<ScaledFont> scaled_;
};

} // namespace bndx
