// Banderix.INI where the program under test finds it, put back as it was after the test.
#pragma once

#include <string>

namespace bndx::e2e {

// What Read gives for a key the file does not hold.
constexpr char kAbsent[] = "(absent)";

class SettingsFile {
public:
    // The per-user file is put aside too: the program would open it instead. Its folder goes
    // again afterwards if the test made it.
    SettingsFile();
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    void Write(const std::string& text) const;
    void Remove() const;
    // As the profile functions give it, but read from the disk each time, so that nothing
    // cached in this process can hide what the program wrote.
    std::string Read(const std::string& section, const std::string& key) const;

private:
    std::string windowsFile_;
    std::string userFolder_;
    std::string userFile_;
    bool userFolderExisted_ = false;
    std::string path_;
};

} // namespace bndx::e2e
