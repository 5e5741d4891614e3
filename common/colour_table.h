// The sixteen colours that colour indexes 1 to 16 stand for; index 0 means "Automatic" and is
// resolved by the settings record before any colour is looked up here.
#pragma once

#include <array>
#include <cstdint>

namespace bndx {

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr uint16_t kAutomaticColour = 0;
constexpr uint16_t kWhite = 1;
constexpr uint16_t kBlack = 2;
constexpr uint16_t kColourCount = 16;

constexpr std::array<Rgb, kColourCount> ColourTable = {{
    {255, 255, 255},
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {255, 255, 0},
    {255, 0, 0},
    {0, 255, 0},
    {0, 0, 255},
    {0, 255, 255},
    {128, 128, 128},
    {192, 192, 192},
    {128, 0, 128},
    {255, 0, 255},
    {64, 128, 128},
}};

constexpr bool IsTableColour(uint32_t colourIndex) {
    return colourIndex >= 1 && colourIndex <= kColourCount;
}

// The colour of an index 1..16, as the settings record's accessors return them. Anything else
// is a caller's mistake; it gets white rather than a read outside the table.
constexpr Rgb ColourOf(uint32_t colourIndex) {
    return ColourTable[IsTableColour(colourIndex) ? colourIndex - 1 : kWhite - 1];
}

} // namespace bndx
