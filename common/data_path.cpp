#include "common/data_path.h"

#include "common/settings_location.h"

namespace bndx {

namespace {

constexpr char kUserDataFolder[] = "Data\\";

// The folder as one text: folded, with exactly one backslash at its end.
std::string FolderKey(const std::string& folder, FolderNameFold fold) {
    std::string key = fold(folder);
    while (!key.empty() && (key.back() == '\\' || key.back() == '/'))
        key.pop_back();
    return key + '\\';
}

} // namespace

std::string UserOwnPath(const std::string& userDataDirectory) {
    return userDataDirectory.empty() ? std::string() : JoinPath(userDataDirectory, kPerUserFolderName);
}

std::string SettlePath(DataPathFacts& facts, FolderNameFold fold) {
    std::string path = facts.ReadPath();
    if (path.empty() && facts.ProgramFolderWritable())
        return path;
    const std::string own = UserOwnPath(facts.UserDataDirectory());
    if (path.empty()) {
        if (own.empty())
            return path;
        path = own;
        facts.WritePath(path);
    }
    if (!own.empty() && FolderKey(path, fold) == FolderKey(own, fold))
        facts.MakePrivateFolder(JoinPath(path, kUserDataFolder));
    return path;
}

std::vector<std::string> PainterDataFolders(const std::string& programDirectory, const std::string& pathValue,
                                            FolderNameFold fold) {
    std::vector<std::string> folders{programDirectory + "DATA\\"};
    if (pathValue.empty())
        return folders;
    const std::string own = JoinPath(pathValue, kUserDataFolder);
    if (FolderKey(own, fold) != FolderKey(folders.front(), fold))
        folders.push_back(own);
    return folders;
}

} // namespace bndx
