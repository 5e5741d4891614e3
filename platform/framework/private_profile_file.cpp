#include "platform/framework/private_profile_file.h"

#include <windows.h>

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

std::vector<std::string> PrivateProfileFile::ReadKeys(const char* section) {
    // Without a key the platform gives every key of the section, each ended by a NUL and the
    // whole by another; a buffer too small is filled up to two short of its size.
    for (DWORD size = 1024;; size *= 2) {
        std::vector<char> buffer(size);
        const DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size, path_.c_str());
        if (length + 2 < size || size >= 65536) {
            std::vector<std::string> keys;
            for (const char* key = buffer.data(); key < buffer.data() + length && *key; key += keys.back().size() + 1)
                keys.emplace_back(key);
            return keys;
        }
    }
}

void PrivateProfileFile::WriteString(const char* section, const char* key, const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), path_.c_str());
}

} // namespace bndx
