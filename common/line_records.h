// The line records that follow a text foreground file's header: a 16-bit little-endian length
// and that many bytes, with no terminator and no padding. Banderix reads them, Bandsmith writes
// them; both go through these functions so that the two agree byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

constexpr size_t kLineRecordLengthSize = 2;
constexpr size_t kMaxLineRecordLength = 0xFFFF;
// Neither program reads more of a text foreground file: a million lines of a few dozen
// characters fit, and a file of any size cannot take the memory it likes.
constexpr size_t kLargestForegroundFile = 64u << 20;

// Appends one record. A line longer than the length field can state is cut to fit it.
void AppendLineRecord(std::vector<uint8_t>& bytes, const char* text, size_t length);

// A whole text foreground file: the header for the description and the number of lines, then
// one record per line.
std::vector<uint8_t> ForegroundFileBytes(const std::string& description, const std::vector<std::string>& lines);

// Takes records off bytes held in memory, whole ones only: the data's end, or a record that the
// data ends inside of, ends the reading. A file is never trusted to hold what its header promises.
class LineRecordReader {
public:
    LineRecordReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // On success, text points into the data (not terminated) and length is the record's size.
    bool Next(const char*& text, size_t& length);

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

} // namespace bndx
