// Where the backgrounds and foregrounds live: the shared DATA folder beside the program, which
// only an administrator may write, and the user's own, named by Path in Banderix.INI. Both
// programs settle Path the same way, so that the editor saves where the painter looks.
#pragma once

#include <string>
#include <vector>

namespace bndx {

// A folder name in one letter case, as the file system compares them (CharUpperBuffA on Windows).
using FolderNameFold = std::string (*)(const std::string& name);

// What settling Path depends on, asked of the machine only as far as the rule needs.
class DataPathFacts {
public:
    virtual ~DataPathFacts() = default;
    // The Path value of section Main of the settings file; empty when there is none.
    virtual std::string ReadPath() = 0;
    virtual void WritePath(const std::string& value) = 0;
    // Whether a new file can be made in the program's own folder.
    virtual bool ProgramFolderWritable() = 0;
    // The user's roaming application-data folder (%APPDATA%), or empty when there is none.
    virtual std::string UserDataDirectory() = 0;
    // Makes the folder, and the folders above it up to one that exists, writable by this user
    // alone; a folder that exists is left as it is.
    virtual void MakePrivateFolder(const std::string& folder) = 0;
};

// The user's own folder, %APPDATA%\Banderix: what Path names once settled for a user who may not
// write beside the program. Empty without an application-data folder.
std::string UserOwnPath(const std::string& userDataDirectory);

// The Path value the programs go by:
// 1. the one in the settings file, as the installer or the user wrote it;
// 2. none, while the program's own folder can be written: the zip package unpacked into a folder
//    of the user's, where DATA beside the program serves as it always has;
// 3. otherwise the user's own folder, written into the settings file so that the other program
//    and every later run agree.
// When Path names the user's own folder, its Data folder is made, private to the user, so that
// the editor can save there and the painter can watch it from the first run.
std::string SettlePath(DataPathFacts& facts, FolderNameFold fold);

// The folders Banderix reads, each ending in a backslash: the shared DATA beside the program
// (programDirectory ends in a backslash), then Path\Data\ where Path names another folder.
std::vector<std::string> PainterDataFolders(const std::string& programDirectory, const std::string& pathValue,
                                            FolderNameFold fold);

} // namespace bndx
