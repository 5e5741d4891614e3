// A text foreground file (.bxf) as the editor sees it: the header it keeps in the document and
// the lines its view edits. The bytes themselves are laid down by common/line_records.
#pragma once

#include "common/file_headers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

struct ForegroundContent {
    ForegroundFileHeader Header{};
    std::vector<std::string> Lines;
};

// The file as the editor writes it: version 1, the checksum of the description and the count of
// the lines given, whatever the header held before.
std::vector<uint8_t> ForegroundFileBytes(const ForegroundFileHeader& header, const std::vector<std::string>& lines);

// The header as it stands in the file, unchecked, so that a file of another version still opens
// (a file shorter than the header leaves the rest of it zero); then at most LineCount whole line
// records. A file that ends early keeps the lines read until then.
ForegroundContent ReadForegroundFileBytes(const uint8_t* data, size_t size);

} // namespace bndx
