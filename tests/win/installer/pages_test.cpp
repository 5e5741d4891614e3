// The installer and the uninstaller as a user goes through their pages: the sign-in start is the
// user's choice, and the uninstaller asks before it takes the user's settings and the files the
// user made, and the answer decides.
#include "tests/win/installer/installation.h"

#include "tests/win/desktop.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <fstream>

namespace bndx::e2e {
namespace {

constexpr char kUninstallTitle[] = "Banderix 1.1a Uninstall";
constexpr char kEditorSettingsKey[] = "Software\\Bandsmith\\Bandsmith\\Settings";
constexpr DWORD kStepTimeoutMs = 20000;
// The controls of the pages, inside the page dialog that the wizard window holds.
constexpr int kDirectoryField = 1019;
constexpr int kComponentTree = 1032;
constexpr int kRunAtFinish = 1203;

// The control with this id anywhere inside the wizard, once the page that has it is shown.
HWND WaitForPageControl(HWND wizard, int id) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND page = FindWindowExA(wizard, nullptr, nullptr, nullptr); page && !found;
                 page = FindWindowExA(wizard, page, nullptr, nullptr)) {
                const HWND control = GetDlgItem(page, id);
                if (control && IsWindowVisible(control))
                    found = control;
            }
            return found != nullptr;
        },
        kStepTimeoutMs);
    return found;
}

TEST_F(InstallerTest, TheSignInStartIsOfferedAndLeftOutWhenTheUserUnticksIt) {
    Process setup;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    ASSERT_TRUE(setup.Start(test::DistPath("..\\" BNDX_SETUP_NAME), temp));
    const HWND wizard = WaitForWindowOf(setup.ProcessId(), nullptr, IDOK, kStepTimeoutMs);
    ASSERT_NE(wizard, nullptr) << setup.DescribeVisible();
    Click(wizard, IDOK); // past the welcome
    ASSERT_NE(WaitForPageControl(wizard, kDirectoryField), nullptr) << setup.DescribeVisible();
    Click(wizard, IDOK); // the folder offered
    const HWND tree = WaitForPageControl(wizard, kComponentTree);
    ASSERT_NE(tree, nullptr) << setup.DescribeVisible();

    const auto signIn = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
    ASSERT_NE(signIn, nullptr);
    const auto state = [&] {
        return SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(signIn), TVIS_STATEIMAGEMASK);
    };
    const LRESULT offered = state();
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(signIn));
    PostMessageA(tree, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(WaitFor([&] { return state() != offered; }, kStepTimeoutMs)) << "the option does not untick";

    Click(wizard, IDOK); // Install
    const HWND run = WaitForPageControl(wizard, kRunAtFinish);
    ASSERT_NE(run, nullptr) << setup.DescribeVisible();
    PostMessageA(run, BM_CLICK, 0, 0); // no Banderix started by setup in a test
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(run, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, kStepTimeoutMs));
    Click(wizard, IDOK); // Finish
    ASSERT_EQ(setup.WaitForExit(kStepTimeoutMs), 0);

    EXPECT_TRUE(Exists(Installed("Banderix.exe")));
    EXPECT_EQ(settings.Read("Main", "Path"), kInstallFolder);
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), kAbsent);
    EXPECT_NE(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), kAbsent);
}

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
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kEditorSettingsKey, "Hint", REG_DWORD, &one, sizeof one), ERROR_SUCCESS);

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
