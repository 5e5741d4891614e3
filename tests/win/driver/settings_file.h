// Banderix.INI where the program under test finds it: put aside before a test and put back
// after it, written from prepared text and read back from the disk, key by key.
#pragma once

#include <string>

namespace bndx::e2e {

// What Read gives for a key the file does not hold.
constexpr char kAbsent[] = "(absent)";

class SettingsFile {
public:
    // Moves any settings file of this machine aside (the per-user one too, which would
    // otherwise be the one the program opens) and starts with none.
    SettingsFile();
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    const std::string& Path() const { return path_; }
    void Write(const std::string& text) const;
    void Remove() const;
    bool Exists() const;
    // The value as the profile functions would give it (names compared without regard to
    // case, blanks around the value dropped), or kAbsent. Read from the file itself each
    // time, so nothing cached in this process can hide what the program wrote.
    std::string Read(const std::string& section, const std::string& key) const;

private:
    std::string windowsFile_;
    std::string userFile_;
    std::string path_;
};

} // namespace bndx::e2e
