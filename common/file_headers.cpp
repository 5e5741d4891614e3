#include "common/file_headers.h"

#include <algorithm>
#include <cstring>

namespace bndx {

uint16_t Crc16Arc(const uint8_t* data, size_t length) {
    uint16_t crc = 0;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : static_cast<uint16_t>(crc >> 1);
    }
    return crc;
}

uint32_t DescriptionChecksum(const std::string& description) {
    const std::string stored = description.substr(0, kDescriptionFieldSize - 1);
    const size_t covered = stored.empty() ? 0 : stored.size() - 1;
    return Crc16Arc(reinterpret_cast<const uint8_t*>(stored.data()), covered);
}

namespace {

// Both headers begin alike: the version, the description's checksum and the description itself.
template <typename Header> Header HeaderFor(const std::string& description) {
    Header header{};
    header.Version = kFileFormatVersion;
    header.Checksum = DescriptionChecksum(description);
    std::memcpy(header.Description, description.data(), std::min(description.size(), kDescriptionFieldSize - 1));
    return header;
}

} // namespace

ForegroundFileHeader MakeForegroundHeader(const std::string& description, int32_t lineCount) {
    auto header = HeaderFor<ForegroundFileHeader>(description);
    header.LineCount = lineCount;
    return header;
}

BackgroundFileHeader MakeBackgroundHeader(const std::string& description, uint8_t colourIndex) {
    auto header = HeaderFor<BackgroundFileHeader>(description);
    header.ColourIndex = colourIndex;
    return header;
}

namespace {

char OneLine(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F ? ' ' : c;
}

} // namespace

std::string DescriptionOf(const char (&field)[kDescriptionFieldSize]) {
    std::string description;
    for (size_t at = 0; at < kDescriptionFieldSize && field[at] != '\0'; ++at)
        description += OneLine(field[at]);
    return description;
}

void ReplaceControlCharacters(char* text) {
    for (; *text; ++text)
        *text = OneLine(*text);
}

} // namespace bndx
