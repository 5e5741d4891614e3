// The facts of the settings file's location as the running Windows gives them.
#pragma once

#include "common/settings_location.h"

namespace bndx {

class Win32SettingsLocationFacts : public SettingsLocationFacts {
public:
    std::string WindowsDirectory() override;
    std::string UserDataDirectory() override;
    bool Exists(const std::string& path) override;
    bool CanWrite(const std::string& file) override;
    bool CanCreateIn(const std::string& folder) override;
    void MakeFolder(const std::string& folder) override;
    void CopyIfAbsent(const std::string& from, const std::string& to) override;
};

// The settings file for this user on this machine; both programs open it by this path.
std::string SettingsFilePath();

} // namespace bndx
