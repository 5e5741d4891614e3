// The installer and its uninstaller run silently as a user or an administrator's script runs
// them, and the programs then started from the installation as a user starts them.
#include "tests/win/installer/installation.h"

#include "common/file_headers.h"
#include "resources/painter/resource.h"
#include "tests/win/desktop.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace bndx::e2e {
namespace {

std::vector<std::string> DistFiles() {
    return FilesUnder(test::DistPath(""));
}

template <typename Header> std::vector<std::string> Descriptions(const char* pattern) {
    std::vector<std::string> found;
    for (const std::string& file : FilesUnder(Installed("DATA"))) {
        if (!PathMatchSpecA(file.c_str(), pattern))
            continue;
        Header header{};
        std::ifstream(Installed("DATA\\" + file), std::ios::binary)
            .read(reinterpret_cast<char*>(&header), sizeof header);
        if (!DescriptionOf(header.Description).empty())
            found.push_back(DescriptionOf(header.Description));
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

using Installer = InstallerTest;

TEST_F(Installer, PutsEveryShippedFileInPlaceRegistersItAndTakesItAllBack) {
    ASSERT_EQ(Install(), 0);
    std::vector<std::string> expected = DistFiles();
    expected.push_back("Uninstall.exe");
    EXPECT_EQ(FilesUnder(kInstallFolder), Sorted(expected));
    for (const std::string& file : DistFiles())
        EXPECT_TRUE(SameBytes(test::DistPath(file.c_str()), Installed(file))) << file;
    // The editor's data directory is Path followed by \Data\: the installed DATA folder.
    EXPECT_EQ(settings.Read("Main", "Path"), kInstallFolder);

    for (const char* shortcut : {"Banderix.lnk", "Bandsmith.lnk", "Uninstall Banderix.lnk"})
        EXPECT_TRUE(Exists(StartMenuFolder() + "\\" + shortcut)) << shortcut;
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), "\"" + Installed("Banderix.exe") + "\"");
    // What Add/Remove Programs and a reinstall go by.
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), kInstallFolder);
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"),
              std::string("\"") + Installed("Uninstall.exe") + "\" /S");
    EXPECT_GT(std::atol(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "EstimatedSize").c_str()), 0);

    // Nothing of the user's: the folder goes too.
    ASSERT_EQ(Uninstall(), 0);
    EXPECT_FALSE(Exists(kInstallFolder));
    ExpectNothingRegistered();
    EXPECT_EQ(settings.Read("Main", "Path"), kInstallFolder) << "settings are kept unless the user says so";
}

TEST_F(Installer, WritesPathIntoTheUsersOwnSettingsFileWhenThereIsOne) {
    char appData[MAX_PATH];
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    const std::string folder = std::string(appData) + "\\Banderix";
    const std::string userFile = folder + "\\Banderix.INI";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(userFile) << "[Main]\nPath=C:\\Elsewhere\nSelectedBackground=Red\n";

    ASSERT_EQ(Install(), 0);
    char value[MAX_PATH];
    GetPrivateProfileStringA("Main", "Path", "", value, sizeof value, userFile.c_str());
    EXPECT_STREQ(value, kInstallFolder);
    GetPrivateProfileStringA("Main", "SelectedBackground", "", value, sizeof value, userFile.c_str());
    EXPECT_STREQ(value, "Red");
}

TEST_F(Installer, BanderixFromTheInstallationListsTheSamplesAndHoldsOffSetupWhileItRuns) {
    ASSERT_EQ(Install(), 0);
    Process banderix;
    ASSERT_TRUE(banderix.Start(Installed("Banderix.exe"), kInstallFolder));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            main = WaitForWindowOf(banderix.ProcessId(), kProgramTitle, IDC_FOREGROUND_LIST);
            return main && VisibleWindowsOf(banderix.ProcessId()).empty();
        },
        15000))
        << banderix.DescribeVisible();

    // Backgrounds are drawn rows without text: None, then one row per described file.
    const std::vector<std::string> backgrounds = Descriptions<BackgroundFileHeader>("*.BXB");
    EXPECT_EQ(std::count(backgrounds.begin(), backgrounds.end(), "Sunset Over the Hills"), 1);
    EXPECT_EQ(ListBox(main, IDC_BACKGROUND_LIST).Count(), static_cast<int>(backgrounds.size()) + 1);
    // Text foregrounds by their headers; of the add-ins, the one whose description is known.
    const std::vector<std::string> foregrounds = ListBox(main, IDC_FOREGROUND_LIST).Texts();
    std::vector<std::string> expected = Descriptions<ForegroundFileHeader>("*.BXF");
    expected.insert(expected.end(), {"Banderix Tips", "Sayings", kSampleAddInDescription});
    for (const std::string& text : expected)
        EXPECT_NE(std::count(foregrounds.begin(), foregrounds.end(), text), 0) << text;

    EXPECT_EQ(Install(), 2) << "setup must not replace the files of a running Banderix";
    EXPECT_EQ(Uninstall(), 2);
    EXPECT_TRUE(Exists(Installed("BndxHook.dll")));
}

} // namespace
} // namespace bndx::e2e
