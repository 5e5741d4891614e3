// The FontName and FontData values of a hand-edited settings file: whatever they hold, the
// description stays inside its fields, and what is written back reads back the same.
#include "painter/settings/font_description.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first line is the face name, the rest the thirteen numbers.
    const size_t newline = text.find('\n');
    const std::string_view name = text.substr(0, newline);
    const std::string_view numbers = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);

    const bndx::FontDescription font = bndx::ParseFontDescription(name, numbers);
    const std::string faceName = bndx::FaceNameOf(font);
    if (faceName.size() > 31 || font.lfFaceName[31] != '\0' || name.substr(0, faceName.size()) != faceName)
        std::abort();

    const bndx::FontDescription again = bndx::ParseFontDescription(faceName, bndx::FormatFontData(font));
    if (std::memcmp(&font, &again, sizeof(font)) != 0)
        std::abort();
    return 0;
}
