// The uninstaller as a user runs it from the list of installed programs: it asks before it takes
// the user's settings and the files the user made, and the answer decides.
#include "tests/win/installer/installation.h"

#include <fstream>

namespace bndx::e2e {
namespace {

constexpr char kUninstallTitle[] = "Banderix 1.1a Uninstall";
constexpr char kEditorSettingsKey[] = "Software\\Bandsmith\\Bandsmith\\Settings";
constexpr DWORD kStepTimeoutMs = 20000;

struct Answer {
    const char* name;
    int button;
    bool removesTheUsersOwn;
};

using UninstallAnswer = TableTest<InstallerTest, Answer>;

TEST_P(UninstallAnswer, DecidesWhetherTheUsersSettingsAndFilesGo) {
    const Answer& answer = GetParam();
    ASSERT_EQ(Install(), 0);
    const std::string mine = Installed("DATA\\Mine.bxf");
    std::ofstream(mine, std::ios::binary) << "made by the user";
    const DWORD one = 1;
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kEditorSettingsKey, "Hint", REG_DWORD, &one, sizeof one),
              ERROR_SUCCESS);

    Process uninstaller;
    ASSERT_TRUE(StartUninstaller(uninstaller));
    // Its one window with a default button; the page's title follows the program's name.
    const HWND wizard = WaitForWindowOf(uninstaller.ProcessId(), nullptr, IDOK, kStepTimeoutMs);
    ASSERT_NE(wizard, nullptr) << uninstaller.DescribeVisible();
    Click(wizard, IDOK); // "Uninstall" on the confirmation page
    const HWND question = WaitForMessageBox(uninstaller.ProcessId(), kUninstallTitle, kStepTimeoutMs);
    ASSERT_NE(question, nullptr) << uninstaller.DescribeVisible();
    EXPECT_NE(MessageBoxText(question).find("settings"), std::string::npos) << MessageBoxText(question);
    Click(question, answer.button);
    // "Close" is offered once the work is done.
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(wizard) && IsEnabled(wizard, IDOK) && !IsWindow(question); },
                        kStepTimeoutMs))
        << uninstaller.DescribeVisible();
    Click(wizard, IDOK);
    ASSERT_EQ(uninstaller.WaitForExit(kStepTimeoutMs), 0);

    ExpectNothingRegistered();
    EXPECT_FALSE(Exists(Installed("Banderix.exe")));
    EXPECT_EQ(!Exists(mine), answer.removesTheUsersOwn);
    EXPECT_EQ(!Exists(kInstallFolder), answer.removesTheUsersOwn) << "the folder goes once it is empty";
    EXPECT_EQ(settings.Read("Main", "Path") == kAbsent, answer.removesTheUsersOwn);
    EXPECT_EQ(profile.Read("Settings", "Hint") == kAbsent, answer.removesTheUsersOwn);
}

INSTANTIATE_TEST_SUITE_P(Installer, UninstallAnswer,
                         testing::Values(Answer{"No", IDNO, false}, Answer{"Yes", IDYES, true}), CaseName<Answer>);

} // namespace
} // namespace bndx::e2e
