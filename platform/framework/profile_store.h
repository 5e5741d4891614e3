// Where the settings record and the saved selection are read from and written to: one value
// per section and key, as the platform's private profile functions offer them. A missing file,
// section or key reads as the default; a write that fails is not reported.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::string ReadString(const char* section, const char* key, const std::string& defaultValue) = 0;
    // The value's leading decimal number, as GetPrivateProfileIntA reads it.
    virtual int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) = 0;
    virtual void WriteString(const char* section, const char* key, const std::string& value) = 0;
    // The keys a section holds, in the store's order; none for a missing section.
    virtual std::vector<std::string> ReadKeys(const char* section) = 0;

    // Integers are kept as signed decimal text unless the store has a form of its own.
    virtual void WriteInt(const char* section, const char* key, int32_t value) {
        WriteString(section, key, std::to_string(value));
    }
};

} // namespace bndx
