// The settings file itself, read and written through the platform's private profile functions:
// key by key, or a whole section at once.
#pragma once

#include "platform/framework/profile_store.h"

#include <string>

namespace bndx {

class PrivateProfileFile : public ProfileStore {
public:
    // A full path, such as SettingsFilePath() gives; the file need not exist yet.
    explicit PrivateProfileFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    std::string ReadString(const char* section, const char* key, const std::string& defaultValue) override;
    int32_t ReadInt(const char* section, const char* key, int32_t defaultValue) override;
    void WriteString(const char* section, const char* key, const std::string& value) override;
    std::vector<ProfileEntry> ReadSection(const char* section) override;

private:
    std::string path_;
};

} // namespace bndx
