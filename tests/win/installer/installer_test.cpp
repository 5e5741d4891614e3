// The installer and its uninstaller run as a user or an administrator's script runs them, into
// the folder the user is offered, and Banderix then started from the installation: the sign-in
// start is the user's choice, and what the user made outlives the programs unless the user says
// otherwise. Whatever a test installed is taken away again, so that nothing of it starts with
// the next session of the prefix.
#include "resources/painter/resource.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace bndx::e2e {
namespace {

namespace fs = std::filesystem;

constexpr char kInstallFolder[] = "C:\\Program Files\\Banderix";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Banderix";
constexpr char kSignInKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallTitle[] = "Banderix 1.1a Uninstall";
constexpr char kEditorSettingsKey[] = "Software\\Bandsmith\\Bandsmith\\Settings";
constexpr DWORD kSetupTimeoutMs = 60000;
constexpr DWORD kStepTimeoutMs = 20000;
// The controls of the pages, inside the page dialog that the wizard window holds.
constexpr int kDirectoryField = 1019;
constexpr int kComponentTree = 1032;
constexpr int kRunAtFinish = 1203;

// The installing user's own folder, where Path points and that user's settings file lies.
std::string UserFolder() {
    char appData[MAX_PATH];
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Banderix";
}

std::string UserPath() {
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Main", "Path", "", value, sizeof value, (UserFolder() + "\\Banderix.INI").c_str());
    return value;
}

std::string TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

long RunToEnd(const std::string& program, const std::string& arguments) {
    Process process;
    if (!process.Start(program, TempFolder(), arguments))
        return -1;
    return process.WaitForExit(kSetupTimeoutMs);
}

// Under a folder, with backslashes, sorted.
std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error))
        if (entry.is_regular_file())
            files.push_back(fs::relative(entry.path(), folder).string());
    for (std::string& file : files)
        std::replace(file.begin(), file.end(), '/', '\\');
    std::sort(files.begin(), files.end());
    return files;
}

std::string StartMenuFolder() {
    char programs[MAX_PATH];
    SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::string(programs) + "\\Banderix";
}

std::string Installed(const std::string& relative) {
    return std::string(kInstallFolder) + "\\" + relative;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// No shortcuts, sign-in entry or uninstall entry.
void ExpectNothingRegistered() {
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), kAbsent);
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), kAbsent);
}

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

class Installer : public ::testing::Test {
protected:
    Installer() { RemoveInstallation(); }
    ~Installer() override { RemoveInstallation(); }

    // Exit codes, -1 when the program did not end in time. /D takes the rest of the command
    // line, unquoted.
    long Install() const {
        return RunToEnd(test::DistPath("..\\" BNDX_SETUP_NAME), std::string("/S /D=") + kInstallFolder);
    }
    // As the uninstaller does when started from its folder, but waited for: a copy of it run
    // elsewhere on the installation.
    long Uninstall() const {
        const std::string copy = UninstallerCopy();
        return copy.empty() ? -1 : RunToEnd(copy, std::string("/S _?=") + kInstallFolder);
    }
    // Where the uninstaller is copied to run, empty when it could not be copied.
    std::string UninstallerCopy() const {
        const std::string copy = uninstallerFolder_ / "Uninstall.exe";
        return CopyFileA(Installed("Uninstall.exe").c_str(), copy.c_str(), FALSE) ? copy : std::string();
    }

    SettingsFile settings;
    BandsmithProfile profile;
    const ScratchFolder uninstallerFolder_;

private:
    void RemoveInstallation() const {
        if (Exists(Installed("Uninstall.exe")))
            Uninstall();
        std::error_code ignored;
        fs::remove_all(kInstallFolder, ignored);
        fs::remove_all(StartMenuFolder(), ignored);
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
        HKEY opened = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSignInKey, 0, KEY_SET_VALUE, &opened);
        if (const UniqueRegKey run(opened); run)
            RegDeleteValueA(run.Get(), "Banderix");
    }
};

// What setup put in place, setup and the uninstaller held off while Banderix runs from there, and
// the silent uninstall taking all but what the user made.
TEST_F(Installer, PutsEveryShippedFileInPlaceWaitsForBanderixAndTakesBackAllButTheUsersOwn) {
    ASSERT_EQ(Install(), 0);
    std::vector<std::string> expected = FilesUnder(test::DistPath(""));
    expected.push_back("Uninstall.exe");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesUnder(kInstallFolder), expected);
    // The editor's data directory is Path followed by \Data\: the user's own, never the
    // installation's, which only setup may write.
    EXPECT_EQ(UserPath(), UserFolder());
    EXPECT_EQ(settings.Read("Main", "Path"), kAbsent) << "another user's copy would send saves into Program Files";
    for (const char* shortcut : {"Banderix.lnk", "Bandsmith.lnk", "Uninstall Banderix.lnk"})
        EXPECT_TRUE(Exists(StartMenuFolder() + "\\" + shortcut)) << shortcut;
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), "\"" + Installed("Banderix.exe") + "\"");

    Process banderix;
    ASSERT_TRUE(banderix.Start(Installed("Banderix.exe"), kInstallFolder));
    ASSERT_NE(WaitForWindowOf(banderix.ProcessId(), kProgramTitle, IDC_FOREGROUND_LIST, 15000), nullptr)
        << banderix.DescribeVisible();
    EXPECT_EQ(Install(), 2) << "setup must not replace the files of a running Banderix";
    EXPECT_EQ(Uninstall(), 2);
    EXPECT_TRUE(Exists(Installed("BndxHook.dll")));
    banderix.Terminate();

    std::ofstream(Installed("DATA\\Mine.bxf"), std::ios::binary) << "made by the user";
    ASSERT_EQ(Uninstall(), 0);
    EXPECT_EQ(FilesUnder(kInstallFolder), std::vector<std::string>{"DATA\\Mine.bxf"});
    ExpectNothingRegistered();
    EXPECT_EQ(UserPath(), UserFolder()) << "settings are kept unless the user says so";
    EXPECT_TRUE(Exists(UserFolder() + "\\Data")) << "made, private, by the Banderix the user started";
}

// Through the pages, for a user with a settings file of their own: the sign-in start is offered
// and left out when unticked, and Path in the user's own file names the user's own folder. Then
// the uninstaller as a user goes through it, asking before it takes the user's settings and
// folder, answered Yes (the silent run above keeps them, as No does).
TEST_F(Installer, ThePagesLeaveTheSignInStartToTheUserAndTheUninstallerAsksBeforeTakingTheUsersOwn) {
    const std::string userFile = UserFolder() + "\\Banderix.INI";
    CreateDirectoryA(UserFolder().c_str(), nullptr);
    std::ofstream(userFile) << "[Main]\nPath=C:\\Elsewhere\n";

    Process setup;
    ASSERT_TRUE(setup.Start(test::DistPath("..\\" BNDX_SETUP_NAME), TempFolder()));
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

    EXPECT_NE(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), kAbsent);
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), kAbsent);
    EXPECT_EQ(UserPath(), UserFolder()) << "the programs read the user's own file once there is one";

    CreateDirectoryA((UserFolder() + "\\Data").c_str(), nullptr);
    std::ofstream(UserFolder() + "\\Data\\Mine.bxf", std::ios::binary) << "made by the user";
    const DWORD one = 1;
    ASSERT_EQ(SHSetValueA(HKEY_CURRENT_USER, kEditorSettingsKey, "Hint", REG_DWORD, &one, sizeof one), ERROR_SUCCESS);
    Process uninstaller;
    const std::string copy = UninstallerCopy();
    ASSERT_FALSE(copy.empty());
    ASSERT_TRUE(uninstaller.Start(copy, uninstallerFolder_.Path(), std::string("_?=") + kInstallFolder));
    // Its one window with a default button; the page's title follows the program's name.
    const HWND pages = WaitForWindowOf(uninstaller.ProcessId(), nullptr, IDOK, kStepTimeoutMs);
    ASSERT_NE(pages, nullptr) << uninstaller.DescribeVisible();
    Click(pages, IDOK); // "Uninstall" on the confirmation page
    const HWND question = WaitForMessageBox(uninstaller.ProcessId(), kUninstallTitle, kStepTimeoutMs);
    ASSERT_NE(question, nullptr) << uninstaller.DescribeVisible();
    EXPECT_NE(MessageBoxText(question).find(UserFolder()), std::string::npos) << MessageBoxText(question);
    Click(question, IDYES);
    // "Close" is offered once the work is done.
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(pages) && IsEnabled(pages, IDOK) && !IsWindow(question); },
                        kStepTimeoutMs))
        << uninstaller.DescribeVisible();
    Click(pages, IDOK);
    ASSERT_EQ(uninstaller.WaitForExit(kStepTimeoutMs), 0);

    ExpectNothingRegistered();
    EXPECT_FALSE(Exists(kInstallFolder));
    EXPECT_EQ(settings.Read("Main", "Path"), kAbsent);
    EXPECT_FALSE(Exists(UserFolder())) << "the user's settings and own files go with the rest";
    EXPECT_EQ(profile.Read("Settings", "Hint"), kAbsent);
}

} // namespace
} // namespace bndx::e2e
