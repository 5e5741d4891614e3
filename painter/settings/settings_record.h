// Banderix's settings: how and when captions are painted and how the title and the scrolling
// text look, with their defaults and the rules that turn stored colour indexes into colours.
// The Options dialog edits these members; the renderer and the scheduler read them.
#pragma once

#include "painter/settings/font_description.h"
#include "painter/settings/leave_alone_list.h"
#include "painter/settings/paint_mode.h"
#include "platform/framework/profile_store.h"

#include <cstdint>
#include <optional>

namespace bndx {

class SettingsRecord {
public:
    SettingsRecord() = default;
    virtual ~SettingsRecord() = default;
    SettingsRecord(const SettingsRecord&) = delete;
    SettingsRecord& operator=(const SettingsRecord&) = delete;

    // Reads every setting; a key the store lacks gives its default. The 16-bit values keep their
    // low 16 bits. A value outside what the dialogs offer reads as the value it behaves as:
    // coverage as 2 (the foreground window only), a paint method other than 1 as 0 (the hook),
    // an alignment as 1 (centre), a boolean as 0 or 1. Speeds, frequencies and refresh rates
    // stay as stored, so that scheduling can report them; colour indexes read as "Automatic".
    void LoadSettings(ProfileStore& store);
    // Writes every setting. Without a text font, FontName and FontData keep what they hold.
    void SaveSettings(ProfileStore& store) const;

    // The effective colour index (always 1..16) of the window title and of the scrolling text,
    // given the 0-based ColourIndex of the background in use, if any. "Automatic" (0) takes
    // the background's colour, or white without a background. An index above 16 can only come
    // from a hand-edited file and is read as "Automatic" too: it says nothing the user chose,
    // and the background's colour is the one meant to be readable on it. A background colour
    // beyond the table counts as no background.
    uint16_t GetTitleColorIndex(std::optional<uint8_t> backgroundColourIndex) const;
    uint16_t GetTextColorIndex(std::optional<uint8_t> backgroundColourIndex) const;
    // The effective colour index (1..16) of the box behind the text and of its outline:
    // "Automatic", and an index above 16 as above, give black.
    uint16_t GetTextBackgroundColorIndex() const;
    uint16_t GetTextBorderColorIndex() const;

    uint16_t GetSpeed() const { return Speed; }
    uint16_t GetFrequency() const { return Frequency; }
    uint16_t GetPaintByType() const { return PaintByType; }
    uint16_t GetRefreshFrequency() const { return RefreshFrequency; }

    // The text font's description, absent until a font is loaded or chosen.
    const std::optional<FontDescription>& TextFontDescription() const { return textFont_; }
    void SetTextFontDescription(const std::optional<FontDescription>& font);

    // Booleans are 32-bit integers, 0 or 1.
    int32_t Alignment = 0; // 0 left, 1 centre, 2 right
    int32_t ForegroundTransparent = 0;
    int32_t ShowTitle = 1;
    int32_t TitleTransparent = 1;
    int32_t WindowCoverage = 0;          // 0 all windows, 1 main windows only, 2 the foreground window only
    int32_t PaintMode = kPaintAutomatic; // a PaintModeSetting; any other stored value loads as Automatic

    uint16_t TitleColorIndex = 1;
    uint16_t TextColorIndex = 1;
    uint16_t TextBackgroundColorIndex = 16;
    uint16_t TextBorderColorIndex = 2;

    uint16_t Speed = 9;            // 1 slow .. 10 fast
    uint16_t Frequency = 3;        // 1 every minute .. 6 every hour
    uint16_t PaintByType = 1;      // 0 hook, 1 timer
    uint16_t RefreshFrequency = 5; // refreshes per second of the timer method

    LeaveAloneList LeaveAlone; // programs whose windows keep the system's caption

protected:
    // Called whenever the text font's description changes, so that a platform font made from
    // it can follow.
    virtual void OnTextFontChanged() {}

private:
    std::optional<FontDescription> textFont_;
};

} // namespace bndx
