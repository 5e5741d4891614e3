// Whole small files read at once, with a bound, so that no file on disk decides how much memory
// a program takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

struct FileBytes {
    // False when the file would not open; there are no bytes then.
    bool opened = false;
    // The file ended within the limit and every read succeeded.
    bool whole = false;
    // What was read from the start: all of it, or what came before a failed read or the limit.
    std::vector<uint8_t> bytes;
};

FileBytes ReadFileBytes(const std::string& path, size_t limit);

} // namespace bndx
