#include "editor/documents/foreground_lines.h"

#include "common/line_records.h"

#include <algorithm>
#include <cstring>

namespace bndx {

std::vector<uint8_t> ForegroundFileBytes(const ForegroundFileHeader& header, const std::vector<std::string>& lines) {
    return ForegroundFileBytes(DescriptionOf(header.Description), lines);
}

ForegroundContent ReadForegroundFileBytes(const uint8_t* data, size_t size) {
    ForegroundContent content;
    const size_t headerBytes = std::min(size, sizeof(content.Header));
    if (headerBytes > 0)
        std::memcpy(&content.Header, data, headerBytes);
    if (headerBytes < sizeof(content.Header))
        return content;

    // Every record takes at least its two length bytes, whatever the header claims.
    const size_t mostLines = (size - headerBytes) / 2;
    content.Lines.reserve(std::min(static_cast<size_t>(std::max<int32_t>(content.Header.LineCount, 0)), mostLines));
    LineRecordReader records(data + headerBytes, size - headerBytes);
    const char* text;
    size_t length;
    for (int32_t i = 0; i < content.Header.LineCount && records.Next(text, length); ++i)
        content.Lines.emplace_back(text, length);
    return content;
}

} // namespace bndx
