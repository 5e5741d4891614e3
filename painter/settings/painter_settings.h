// The settings record with its text font as a platform font object, made whenever the font's
// description changes and released with the record.
#pragma once

#include "painter/settings/settings_record.h"

#include <windows.h>

namespace bndx {

FontDescription FromLogFont(const LOGFONTA& font);
LOGFONTA ToLogFont(const FontDescription& font);

class PainterSettings : public SettingsRecord {
public:
    PainterSettings() = default;
    ~PainterSettings() override;

    // The text font, or none until a font is loaded or chosen.
    HFONT GetTextFont() const { return font_; }
    // Replaces the text font, as the font dialog does when it closes.
    void SetTextFont(const LOGFONTA& font) { SetTextFontDescription(FromLogFont(font)); }

protected:
    void OnTextFontChanged() override;

private:
    HFONT font_ = nullptr;
};

} // namespace bndx
