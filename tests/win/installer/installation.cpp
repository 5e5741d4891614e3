#include "tests/win/installer/installation.h"

#include "tests/win/desktop.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace bndx::e2e {

namespace fs = std::filesystem;

namespace {

constexpr DWORD kSetupTimeoutMs = 60000;

long RunToEnd(const std::string& program, const std::string& arguments) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    Process process;
    if (!process.Start(program, temp, arguments))
        return -1;
    return process.WaitForExit(kSetupTimeoutMs);
}

} // namespace

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

bool SameBytes(const std::string& a, const std::string& b) {
    std::ifstream first(a, std::ios::binary), second(b, std::ios::binary);
    return first && second &&
           std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
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

void ExpectNothingRegistered() {
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), kAbsent);
    EXPECT_EQ(RegistryValue(HKEY_LOCAL_MACHINE, kSignInKey, "Banderix"), kAbsent);
}

long InstallerTest::Install() const {
    // /D takes the rest of the command line, unquoted.
    return RunToEnd(test::DistPath("..\\" BNDX_SETUP_NAME), std::string("/S /D=") + kInstallFolder);
}

std::string InstallerTest::UninstallerCopy() const {
    const std::string copy = uninstallerFolder_ / "Uninstall.exe";
    return CopyFileA(Installed("Uninstall.exe").c_str(), copy.c_str(), FALSE) ? copy : std::string();
}

long InstallerTest::Uninstall() const {
    const std::string copy = UninstallerCopy();
    return copy.empty() ? -1 : RunToEnd(copy, std::string("/S _?=") + kInstallFolder);
}

bool InstallerTest::StartUninstaller(Process& uninstaller) const {
    const std::string copy = UninstallerCopy();
    return !copy.empty() && uninstaller.Start(copy, uninstallerFolder_.Path(), std::string("_?=") + kInstallFolder);
}

void InstallerTest::RemoveInstallation() const {
    if (Exists(Installed("Uninstall.exe")))
        Uninstall();
    std::error_code ignored;
    fs::remove_all(kInstallFolder, ignored);
    fs::remove_all(StartMenuFolder(), ignored);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
    HKEY run;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSignInKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueA(run, "Banderix");
        RegCloseKey(run);
    }
}

} // namespace bndx::e2e
