// Where Banderix.INI lives. Banderix and Bandsmith both find it here, so that they always read
// the same file: in the Windows directory where this user can write there, otherwise in a
// folder of the user's own application data.
#pragma once

#include <string>

namespace bndx {

constexpr char kSettingsFileName[] = "Banderix.INI";
constexpr char kPerUserFolderName[] = "Banderix";

// What the choice depends on, asked of the machine only as far as the choice needs.
class SettingsLocationFacts {
public:
    virtual ~SettingsLocationFacts() = default;
    virtual std::string WindowsDirectory() = 0;
    // The user's roaming application-data folder (%APPDATA%), or empty when there is none.
    virtual std::string UserDataDirectory() = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Whether an existing file can be opened for writing; the file is left as it is.
    virtual bool CanWrite(const std::string& file) = 0;
    // Whether a new file can be made in the folder, found by making one and deleting it.
    virtual bool CanCreateIn(const std::string& folder) = 0;
    virtual void MakeFolder(const std::string& folder) = 0;
    // Copies the file unless the target exists already.
    virtual void CopyIfAbsent(const std::string& from, const std::string& to) = 0;
};

// The full path of the settings file, chosen in this order:
// 1. the per-user file, once it exists: a user who has had to move there stays there, even if
//    a later run (say, an elevated one) could write the Windows directory;
// 2. the Windows directory's file, if it exists and can be written, or if it does not exist
//    and a file can be made there;
// 3. otherwise the per-user file, its folder made, and started as a copy of the Windows
//    directory's file where there is one, so that earlier settings and the Path entry the
//    installation wrote come along.
// Without a per-user folder at all, the Windows directory's file is all there is.
std::string ChooseSettingsFile(SettingsLocationFacts& facts);

// A file name in a folder, with a single backslash between them.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace bndx
