#include "platform/framework/file_bytes.h"

#include "platform/framework/win32_handles.h"

#include <algorithm>

namespace bndx {

FileBytes ReadFileBytes(const std::string& path, size_t limit) {
    FileBytes result;
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return result;
    result.opened = true;
    // The size only spares reallocations: the file may grow or shrink while it is read.
    LARGE_INTEGER size;
    if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0)
        result.bytes.reserve(static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(size.QuadPart), limit)));
    constexpr DWORD kChunkSize = 64 * 1024;
    std::vector<uint8_t> chunk(kChunkSize);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk.data(), kChunkSize, &read, nullptr))
            return result;
        if (read == 0) {
            result.whole = true;
            return result;
        }
        const size_t room = limit - result.bytes.size();
        result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.begin() + std::min<size_t>(read, room));
        if (read > room)
            return result;
    }
}

} // namespace bndx
