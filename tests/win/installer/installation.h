// The built installer run as a user runs it silently, into the folder the user is offered, and
// whatever it left taken away again after each test, so that nothing of it starts with the
// next session of the prefix.
#pragma once

#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

constexpr char kInstallFolder[] = "C:\\Program Files\\Banderix";
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Banderix";
constexpr char kSignInKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Under a folder, with backslashes, sorted.
std::vector<std::string> FilesUnder(const std::string& folder);
bool SameBytes(const std::string& a, const std::string& b);
std::string StartMenuFolder();
std::string Installed(const std::string& relative);
bool Exists(const std::string& path);
// No shortcuts, sign-in entry or uninstall entry.
void ExpectNothingRegistered();

class InstallerTest : public ::testing::Test {
protected:
    InstallerTest() { RemoveInstallation(); }
    ~InstallerTest() override { RemoveInstallation(); }

    // Exit codes, -1 when the program did not end in time.
    long Install() const;
    // As the uninstaller does when started from its folder, but waited for: a copy of it run
    // elsewhere on the installation.
    long Uninstall() const;
    // Started that way with the user's eyes on it; false when it could not be.
    bool StartUninstaller(Process& uninstaller) const;

    SettingsFile settings;
    BandsmithProfile profile;

private:
    // Where the uninstaller is copied to run, empty when it could not be copied.
    std::string UninstallerCopy() const;
    void RemoveInstallation() const;

    const ScratchFolder uninstallerFolder_;
};

} // namespace bndx::e2e
