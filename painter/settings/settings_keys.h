// The sections and keys of Banderix.INI that hold the settings and the saved selection.
#pragma once

#include <cstdint>
#include <string>

namespace bndx::keys {

constexpr char kBackground[] = "Background";
constexpr char kWindowCoverage[] = "WindowCoverage";
constexpr char kPaintByType[] = "PaintByType";
constexpr char kRefreshFrequency[] = "RefreshFrequency";
constexpr char kPaintMode[] = "PaintMode";

constexpr char kForeground[] = "Foreground";
constexpr char kSpeed[] = "Speed";
constexpr char kFrequency[] = "Frequency";
constexpr char kAlignment[] = "Alignment";
constexpr char kForegroundTransparent[] = "ForegroundTransparent";
constexpr char kShowTitle[] = "ShowTitle";
constexpr char kTitleTransparent[] = "TitleTransparent";
constexpr char kTitleColorIndex[] = "TitleColorIndex";
constexpr char kTextColorIndex[] = "TextColorIndex";
constexpr char kTextBackgroundColorIndex[] = "TextBackgroundColorIndex";
constexpr char kTextBorderColorIndex[] = "TextBorderColorIndex";
constexpr char kFontName[] = "FontName";
constexpr char kFontData[] = "FontData";

constexpr char kMain[] = "Main";
constexpr char kNumForegroundsSelected[] = "NumForegroundsSelected";
constexpr char kSelectedBackground[] = "SelectedBackground";

// One key per program left alone: its executable file name, with the value 1.
constexpr char kLeaveAlone[] = "Leave Alone";

// "ForegroundSelected<n>": the n-th selected foreground, counting from 0.
inline std::string ForegroundSelected(int32_t n) {
    return "ForegroundSelected" + std::to_string(n);
}

} // namespace bndx::keys
