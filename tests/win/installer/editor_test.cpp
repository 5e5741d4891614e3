// Bandsmith started from the installation saves where Banderix finds its files, and what the
// user made there outlives the programs.
#include "tests/win/installer/installation.h"

#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"

namespace bndx::e2e {
namespace {

using Installer = InstallerTest;

TEST_F(Installer, BandsmithSavesIntoTheInstalledDataFolderAndUninstallKeepsWhatTheUserMade) {
    ASSERT_EQ(Install(), 0);
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
    const std::string mine = Installed("DATA\\My_words.bxf");
    EXPECT_TRUE(WaitFor([&] { return Exists(mine); }, 5000)) << "proposed elsewhere: " << editor.DescribeVisible();
    ASSERT_TRUE(editor.Exit());

    ASSERT_EQ(Uninstall(), 0);
    EXPECT_EQ(FilesUnder(kInstallFolder), std::vector<std::string>{"DATA\\My_words.bxf"});
    ExpectNothingRegistered();
    EXPECT_EQ(settings.Read("Main", "Path"), kInstallFolder);
    EXPECT_FALSE(profile.RecentFiles().empty()) << "the editor's profile is the user's";
}

} // namespace
} // namespace bndx::e2e
