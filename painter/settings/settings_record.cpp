#include "painter/settings/settings_record.h"

#include "common/colour_table.h"
#include "painter/settings/settings_keys.h"

namespace bndx {

namespace {

uint16_t Low16(int32_t value) {
    return static_cast<uint16_t>(value);
}

// A boolean stored as any non-zero number reads as true.
int32_t AsBoolean(int32_t value) {
    return value != 0 ? 1 : 0;
}

// Coverage 0 and 1 are what they say; any other value paints the foreground window only.
int32_t AsCoverage(int32_t value) {
    return value == 0 || value == 1 ? value : 2;
}

// Only 1 is the timer method; any other value installs the hook, and so must remove it again.
uint16_t AsPaintMethod(int32_t value) {
    return value == 1 ? 1 : 0;
}

// Left, centre or right; any other value centres.
int32_t AsAlignment(int32_t value) {
    return value == 0 || value == 2 ? value : 1;
}

uint16_t ColourOrAutomatic(uint16_t stored, uint16_t automatic) {
    return IsTableColour(stored) ? stored : automatic;
}

uint16_t BackgroundColour(std::optional<uint8_t> backgroundColourIndex) {
    if (!backgroundColourIndex || *backgroundColourIndex >= kColourCount)
        return kWhite;
    return static_cast<uint16_t>(*backgroundColourIndex + 1);
}

} // namespace

void SettingsRecord::LoadSettings(ProfileStore& store) {
    using namespace keys;
    WindowCoverage = AsCoverage(store.ReadInt(kBackground, kWindowCoverage, 0));
    PaintByType = AsPaintMethod(Low16(store.ReadInt(kBackground, kPaintByType, 1)));
    RefreshFrequency = Low16(store.ReadInt(kBackground, kRefreshFrequency, 5));
    PaintMode = KnownPaintMode(store.ReadInt(kBackground, kPaintMode, kPaintAutomatic));

    Speed = Low16(store.ReadInt(kForeground, kSpeed, 9));
    Frequency = Low16(store.ReadInt(kForeground, kFrequency, 3));
    Alignment = AsAlignment(store.ReadInt(kForeground, kAlignment, 0));
    ForegroundTransparent = AsBoolean(store.ReadInt(kForeground, kForegroundTransparent, 0));
    ShowTitle = AsBoolean(store.ReadInt(kForeground, kShowTitle, 1));
    TitleTransparent = AsBoolean(store.ReadInt(kForeground, kTitleTransparent, 1));
    TitleColorIndex = Low16(store.ReadInt(kForeground, kTitleColorIndex, 1));
    TextColorIndex = Low16(store.ReadInt(kForeground, kTextColorIndex, 1));
    TextBackgroundColorIndex = Low16(store.ReadInt(kForeground, kTextBackgroundColorIndex, 16));
    TextBorderColorIndex = Low16(store.ReadInt(kForeground, kTextBorderColorIndex, 2));
    LeaveAlone.Load(store);

    const std::string fontName = store.ReadString(kForeground, kFontName, "");
    if (fontName.empty()) {
        SetTextFontDescription(std::nullopt);
        return;
    }
    SetTextFontDescription(ParseFontDescription(fontName, store.ReadString(kForeground, kFontData, "")));
}

void SettingsRecord::SaveSettings(ProfileStore& store) const {
    using namespace keys;
    store.WriteInt(kBackground, kWindowCoverage, WindowCoverage);
    store.WriteInt(kBackground, kPaintByType, PaintByType);
    store.WriteInt(kBackground, kRefreshFrequency, RefreshFrequency);
    store.WriteInt(kBackground, kPaintMode, PaintMode);

    store.WriteInt(kForeground, kSpeed, Speed);
    store.WriteInt(kForeground, kFrequency, Frequency);
    store.WriteInt(kForeground, kAlignment, Alignment);
    store.WriteInt(kForeground, kForegroundTransparent, ForegroundTransparent);
    store.WriteInt(kForeground, kShowTitle, ShowTitle);
    store.WriteInt(kForeground, kTitleTransparent, TitleTransparent);
    store.WriteInt(kForeground, kTitleColorIndex, TitleColorIndex);
    store.WriteInt(kForeground, kTextColorIndex, TextColorIndex);
    store.WriteInt(kForeground, kTextBackgroundColorIndex, TextBackgroundColorIndex);
    store.WriteInt(kForeground, kTextBorderColorIndex, TextBorderColorIndex);
    LeaveAlone.Save(store);

    if (!textFont_)
        return;
    store.WriteString(kForeground, kFontName, FaceNameOf(*textFont_));
    store.WriteString(kForeground, kFontData, FormatFontData(*textFont_));
}

uint16_t SettingsRecord::GetTitleColorIndex(std::optional<uint8_t> backgroundColourIndex) const {
    return ColourOrAutomatic(TitleColorIndex, BackgroundColour(backgroundColourIndex));
}

uint16_t SettingsRecord::GetTextColorIndex(std::optional<uint8_t> backgroundColourIndex) const {
    return ColourOrAutomatic(TextColorIndex, BackgroundColour(backgroundColourIndex));
}

uint16_t SettingsRecord::GetTextBackgroundColorIndex() const {
    return ColourOrAutomatic(TextBackgroundColorIndex, kBlack);
}

uint16_t SettingsRecord::GetTextBorderColorIndex() const {
    return ColourOrAutomatic(TextBorderColorIndex, kBlack);
}

void SettingsRecord::SetTextFontDescription(const std::optional<FontDescription>& font) {
    textFont_ = font;
    OnTextFontChanged();
}

} // namespace bndx
