#include "common/settings_location.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace bndx {
namespace {

// A machine described by what exists and what may be written; records what the choice did.
class FakeFacts : public SettingsLocationFacts {
public:
    std::string windows = "C:\\WINDOWS";
    std::string appData = "C:\\Users\\ann\\AppData\\Roaming";
    std::set<std::string> files, writableFiles, creatableFolders;
    std::vector<std::string> made, copied;
    int probes = 0;

    std::string WindowsDirectory() override { return windows; }
    std::string UserDataDirectory() override { return appData; }
    bool Exists(const std::string& path) override { return files.count(path) > 0; }
    bool CanWrite(const std::string& file) override { return writableFiles.count(file) > 0; }
    bool CanCreateIn(const std::string& folder) override { return ++probes, creatableFolders.count(folder) > 0; }
    void MakeFolder(const std::string& folder) override { made.push_back(folder); }
    void CopyIfAbsent(const std::string& from, const std::string& to) override { copied.push_back(from + ">" + to); }
};

const std::string kShared = "C:\\WINDOWS\\Banderix.INI";
const std::string kPerUserFolder = "C:\\Users\\ann\\AppData\\Roaming\\Banderix";
const std::string kPerUser = kPerUserFolder + "\\Banderix.INI";

TEST(SettingsLocation, TheWindowsDirectoryServesWhereItCanBeWritten) {
    FakeFacts existingWritable;
    existingWritable.files = existingWritable.writableFiles = {kShared};
    EXPECT_EQ(ChooseSettingsFile(existingWritable), kShared);
    EXPECT_EQ(existingWritable.probes, 0) << "an existing file is judged by itself";

    FakeFacts absentCreatable;
    absentCreatable.creatableFolders = {"C:\\WINDOWS"};
    EXPECT_EQ(ChooseSettingsFile(absentCreatable), kShared);
    EXPECT_TRUE(absentCreatable.made.empty());

    FakeFacts noUserData;
    noUserData.appData.clear();
    EXPECT_EQ(ChooseSettingsFile(noUserData), kShared) << "nowhere else to go";

    FakeFacts rootWindows;
    rootWindows.windows = "C:\\";
    rootWindows.creatableFolders = {"C:\\"};
    EXPECT_EQ(ChooseSettingsFile(rootWindows), "C:\\Banderix.INI");
}

TEST(SettingsLocation, OtherwiseTheUsersOwnFileServesAndKeepsServing) {
    FakeFacts absent;
    EXPECT_EQ(ChooseSettingsFile(absent), kPerUser);
    EXPECT_EQ(absent.made, std::vector<std::string>{kPerUserFolder});
    EXPECT_TRUE(absent.copied.empty()) << "nothing to carry over";

    FakeFacts readOnly;
    readOnly.files = {kShared};
    readOnly.creatableFolders = {"C:\\WINDOWS"}; // a writable folder does not make the file writable
    EXPECT_EQ(ChooseSettingsFile(readOnly), kPerUser);
    EXPECT_EQ(readOnly.made, std::vector<std::string>{kPerUserFolder});
    EXPECT_EQ(readOnly.copied, std::vector<std::string>{kShared + ">" + kPerUser}) << "settings and Path come along";

    FakeFacts alreadyMoved;
    alreadyMoved.files = {kShared, kPerUser};
    alreadyMoved.writableFiles = {kShared};
    EXPECT_EQ(ChooseSettingsFile(alreadyMoved), kPerUser);
    EXPECT_TRUE(alreadyMoved.made.empty() && alreadyMoved.copied.empty());
}

} // namespace
} // namespace bndx
