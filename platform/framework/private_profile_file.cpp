#include "platform/framework/private_profile_file.h"

#include "platform/framework/profile_text.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace bndx {

std::string PrivateProfileFile::ReadString(const char* section, const char* key, const std::string& defaultValue) {
    // The platform cuts a value to the buffer without saying so, except by filling it: grow
    // the buffer until the value fits. A profile line never exceeds 64 KiB.
    for (DWORD size = 256;; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length =
            GetPrivateProfileStringA(section, key, defaultValue.c_str(), buffer.data(), size, path_.c_str());
        if (length + 1 < size || size >= 65536)
            return std::string(buffer.data(), length);
    }
}

int32_t PrivateProfileFile::ReadInt(const char* section, const char* key, int32_t defaultValue) {
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, defaultValue, path_.c_str()));
}

void PrivateProfileFile::WriteString(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, ProfileTextOf(value).c_str(), path_.c_str());
}

std::vector<ProfileEntry> PrivateProfileFile::ReadSection(const char* section) {
    // A section that does not fit fills the buffer to two characters short. A hand-made file
    // may hold a section of megabytes, so the buffer grows; beyond 16 MiB the section is cut.
    constexpr DWORD kLargestSection = 1u << 24;
    std::vector<char> buffer;
    DWORD length = 0;
    for (DWORD size = 4096; size <= kLargestSection; size *= 2) {
        buffer.resize(size);
        length = GetPrivateProfileSectionA(section, buffer.data(), size, path_.c_str());
        if (length + 2 < size)
            break;
    }
    std::vector<ProfileEntry> entries;
    for (const char* line = buffer.data(); line < buffer.data() + length && *line; line += std::strlen(line) + 1) {
        const char* equals = std::strchr(line, '=');
        if (equals)
            entries.push_back({std::string(line, equals), ProfileValueOf(equals + 1)});
    }
    return entries;
}

} // namespace bndx
