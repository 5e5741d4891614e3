#include "common/line_records.h"

#include "common/file_headers.h"

#include <algorithm>
#include <cstring>

namespace bndx {

void AppendLineRecord(std::vector<uint8_t>& bytes, const char* text, size_t length) {
    length = std::min(length, kMaxLineRecordLength);
    bytes.push_back(static_cast<uint8_t>(length & 0xFF));
    bytes.push_back(static_cast<uint8_t>(length >> 8));
    bytes.insert(bytes.end(), text, text + length);
}

std::vector<uint8_t> ForegroundFileBytes(const std::string& description, const std::vector<std::string>& lines) {
    const ForegroundFileHeader header = MakeForegroundHeader(description, static_cast<int32_t>(lines.size()));
    std::vector<uint8_t> bytes(sizeof(header));
    std::memcpy(bytes.data(), &header, sizeof(header));
    for (const std::string& line : lines)
        AppendLineRecord(bytes, line.data(), line.size());
    return bytes;
}

bool LineRecordReader::Next(const char*& text, size_t& length) {
    if (size_ - offset_ < kLineRecordLengthSize)
        return false;
    const size_t n = data_[offset_] | static_cast<size_t>(data_[offset_ + 1]) << 8;
    if (size_ - offset_ - kLineRecordLengthSize < n)
        return false;
    text = reinterpret_cast<const char*>(data_ + offset_ + kLineRecordLengthSize);
    length = n;
    offset_ += kLineRecordLengthSize + n;
    return true;
}

} // namespace bndx
