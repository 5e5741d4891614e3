// A program's profile in the registry, under HKEY_CURRENT_USER\Software\<key>\<program>: one
// registry key per section, one value per entry. Numbers are kept as DWORD values.
#pragma once

#include "platform/framework/profile_store.h"

#include <string>

namespace bndx {

class RegistryProfile : public ProfileStore {
public:
    RegistryProfile(const std::string& registryKey, const std::string& programName);

    const std::string& KeyPath() const { return path_; }

    std::string ReadString(const char* section, const char* key, const std::string& defaultValue) override;
    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) override;
    void WriteString(const char* section, const char* key, const std::string& value) override;
    void WriteInt(const char* section, const char* key, int32_t value) override;
    std::vector<ProfileEntry> ReadSection(const char* section) override;

private:
    std::string path_;
};

} // namespace bndx
