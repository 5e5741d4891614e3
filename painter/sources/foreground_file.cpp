#include "painter/sources/foreground_file.h"

#include "common/line_records.h"

#include <algorithm>
#include <cstring>

namespace bndx {

ForegroundFileResult ReadForegroundFile(const uint8_t* data, size_t size, ForegroundFileHeader& header,
                                        CSourceEntry& entry) {
    std::memset(&header, 0, sizeof(header));
    const size_t headerBytes = std::min(size, sizeof(header));
    if (headerBytes > 0)
        std::memcpy(&header, data, headerBytes);
    if (headerBytes < sizeof(header))
        return ForegroundFileResult::TooShort; // no version to speak of, so no newer one
    if (header.Version != kFileFormatVersion)
        return ForegroundFileResult::NewerVersion;

    entry.SetDescription(header.Description);

    // First how many whole records there are and how much text they hold, then the lines.
    LineRecordReader counting(data + headerBytes, size - headerBytes);
    const char* text;
    size_t length;
    int32_t count = 0;
    size_t textBytes = 0;
    for (; count < header.LineCount && counting.Next(text, length); ++count)
        textBytes += length + 1;
    if (count == 0)
        return ForegroundFileResult::Read;
    char* line = entry.ReserveLineText(textBytes);
    LineRecordReader records(data + headerBytes, size - headerBytes);
    while (count-- > 0 && records.Next(text, length)) {
        std::memcpy(line, text, length);
        line[length] = '\0';
        entry.Lines.AddTail(line);
        line += length + 1;
    }
    return ForegroundFileResult::Read;
}

} // namespace bndx
