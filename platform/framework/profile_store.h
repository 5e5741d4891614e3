// Where the settings record and the saved selection are read from and written to: one value
// per section and key, as the platform's private profile functions offer them. A missing file,
// section or key reads as the default; a write that fails is not reported. Whatever string is
// written reads back unchanged, whichever way it is read.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

struct ProfileEntry {
    std::string key;
    std::string value;
};

class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::string ReadString(const char* section, const char* key, const std::string& defaultValue) = 0;
    // The value's leading decimal number, as GetPrivateProfileIntA reads it.
    virtual int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) = 0;
    virtual void WriteString(const char* section, const char* key, const std::string& value) = 0;

    // Integers are kept as signed decimal text unless the store has a form of its own.
    virtual void WriteInt(const char* section, const char* key, int32_t value) {
        WriteString(section, key, std::to_string(value));
    }

    // Every entry of the section in the store's order (none for a missing section), in one look
    // at the store however many keys the section holds: each value as ReadString reads it, a
    // number the store keeps in a form of its own as its decimal text. Key names are as stored:
    // the store compares them without regard to letter case.
    virtual std::vector<ProfileEntry> ReadSection(const char* section) = 0;
};

// Whether a name ReadSection gave is the key, letter case aside.
inline bool SameProfileKey(const std::string& name, const std::string& key) {
    return name.size() == key.size() && std::equal(name.begin(), name.end(), key.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace bndx
