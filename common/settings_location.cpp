#include "common/settings_location.h"

namespace bndx {

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/')
        return folder + name;
    return folder + '\\' + name;
}

std::string ChooseSettingsFile(SettingsLocationFacts& facts) {
    const std::string windowsDirectory = facts.WindowsDirectory();
    const std::string shared = JoinPath(windowsDirectory, kSettingsFileName);
    const std::string userData = facts.UserDataDirectory();
    if (userData.empty())
        return shared;
    const std::string perUserFolder = JoinPath(userData, kPerUserFolderName);
    const std::string perUser = JoinPath(perUserFolder, kSettingsFileName);
    if (facts.Exists(perUser))
        return perUser;

    const bool sharedExists = facts.Exists(shared);
    if (sharedExists ? facts.CanWrite(shared) : facts.CanCreateIn(windowsDirectory))
        return shared;

    facts.MakeFolder(perUserFolder);
    if (sharedExists)
        facts.CopyIfAbsent(shared, perUser);
    return perUser;
}

} // namespace bndx
