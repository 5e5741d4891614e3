// Reading a text foreground file (.BXF) held in memory into an entry: the 48-byte header, then
// the line records it announces.
#pragma once

#include "common/file_headers.h"
#include "painter/sources/source_entry.h"

#include <cstddef>
#include <cstdint>

namespace bndx {

enum class ForegroundFileResult {
    Read,
    NewerVersion, // Version is not 1: nothing was taken into the entry
    TooShort,     // not even the whole header: a file that cannot be used, nothing taken
};

// Fills the header from the data (a file shorter than the header leaves the rest of it zero).
// For version 1, copies the description into the entry and appends, as lines, the whole line
// records found, at most LineCount of them: a file shorter than it promises keeps the complete
// records, and an absurd count costs nothing beyond the records really there. Throws
// std::bad_alloc when memory runs out; the lines appended until then stay with the entry.
ForegroundFileResult ReadForegroundFile(const uint8_t* data, size_t size, ForegroundFileHeader& header,
                                        CSourceEntry& entry);

} // namespace bndx
