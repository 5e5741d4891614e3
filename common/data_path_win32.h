// Path as the running Windows settles it for this user: the settings file's value, the program
// folder's permissions and a data folder private to the user.
#pragma once

#include "common/data_path.h"

namespace bndx {

class Win32DataPathFacts : public DataPathFacts {
public:
    // programDirectory ends in a backslash.
    Win32DataPathFacts(std::string settingsFile, std::string programDirectory)
        : settingsFile_(std::move(settingsFile)), programDirectory_(std::move(programDirectory)) {}

    std::string ReadPath() override;
    void WritePath(const std::string& value) override;
    bool ProgramFolderWritable() override;
    std::string UserDataDirectory() override;
    void MakePrivateFolder(const std::string& folder) override;

private:
    std::string settingsFile_;
    std::string programDirectory_;
};

// A folder name in upper case for every letter of the user's code page.
std::string FoldFolderName(const std::string& name);

// The settled Path of this user (SettlePath), for the program in that folder.
std::string SettledDataPath(const std::string& programDirectory);

} // namespace bndx
