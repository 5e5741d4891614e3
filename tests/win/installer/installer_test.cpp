// The installer and its uninstaller run silently as a user or an administrator's script runs
// them, and the programs then started from the installation as a user starts them: Bandsmith
// saves where Banderix finds its files, and what the user made there outlives the programs.
#include "tests/win/installer/installation.h"

#include "common/file_headers.h"
#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"
// The two programs number these apart; the editor's are not used here.
#undef IDB_SPLASH
#undef IDC_COLOUR_LIST
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

// One installation serves the programs started from it: what setup put in place, the samples
// Banderix lists, setup held off while it runs, Bandsmith saving into the installed DATA folder,
// and the silent uninstall taking all but what the user made.
TEST_F(Installer, PutsEveryShippedFileInPlaceServesTheProgramsAndTakesBackAllButTheUsersOwn) {
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
    std::vector<std::string> listed = Descriptions<ForegroundFileHeader>("*.BXF");
    listed.insert(listed.end(), {"Banderix Tips", "Sayings", kSampleAddInDescription});
    for (const std::string& text : listed)
        EXPECT_NE(std::count(foregrounds.begin(), foregrounds.end(), text), 0) << text;
    EXPECT_EQ(Install(), 2) << "setup must not replace the files of a running Banderix";
    EXPECT_EQ(Uninstall(), 2);
    EXPECT_TRUE(Exists(Installed("BndxHook.dll")));
    banderix.Terminate();

    BandsmithProgram editor;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ASSERT_TRUE(editor.Process::Start(Installed("Bandsmith.exe"), temp));
    const HWND child = editor.ChooseNewType(kNewForeground);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();
    ASSERT_TRUE(editor.WaitForMainFrame());
    ASSERT_TRUE(TypeText(GetDlgItem(BandsmithProgram::FormOf(child), IDC_FOREGROUND_DESCRIPTION), "My words"));
    editor.Command(ID_FILE_SAVE);
    const HWND dialog = WaitForFileDialog(editor.ProcessId(), kSaveAsTitle);
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(FileDialogName(dialog), "My_words.bxf");
    ASSERT_TRUE(ChooseFile(dialog));
    EXPECT_TRUE(WaitFor([&] { return Exists(Installed("DATA\\My_words.bxf")); }, 5000))
        << "proposed elsewhere: " << editor.DescribeVisible();
    ASSERT_TRUE(editor.Exit());

    ASSERT_EQ(Uninstall(), 0);
    EXPECT_EQ(FilesUnder(kInstallFolder), std::vector<std::string>{"DATA\\My_words.bxf"});
    ExpectNothingRegistered();
    EXPECT_EQ(settings.Read("Main", "Path"), kInstallFolder) << "settings are kept unless the user says so";
    EXPECT_FALSE(profile.RecentFiles().empty()) << "the editor's profile is the user's";
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

} // namespace
} // namespace bndx::e2e
