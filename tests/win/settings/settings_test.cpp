// The settings on a real system: where their file is put, and the settings through the platform's
// profile functions and fonts.
#include "common/settings_location_win32.h"
#include "painter/settings/painter_settings.h"
#include "platform/framework/private_profile_file.h"
#include "platform/framework/registry_profile.h"
#include "platform/framework/win32_handles.h"
#include "tests/win/driver/settings_file.h"

#include <shlwapi.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace bndx {
namespace {

// The Windows directory of a program run by a standard user: nothing there can be written.
class LockedWindowsDirectory : public Win32SettingsLocationFacts {
public:
    bool CanWrite(const std::string& file) override {
        return file.rfind(WindowsDirectory(), 0) != 0 && Win32SettingsLocationFacts::CanWrite(file);
    }
    bool CanCreateIn(const std::string& folder) override {
        return folder != WindowsDirectory() && Win32SettingsLocationFacts::CanCreateIn(folder);
    }
};

// Writes the prefix's real Banderix.INI and the per-user one, and puts back what was there.
TEST(SettingsFileOnWindows, TheWindowsDirectoryServesUntilTheUserHasToMoveAndTakesWhatItHeld) {
    const e2e::SettingsFile putAside;
    LockedWindowsDirectory locked;
    const std::string windowsFile = JoinPath(locked.WindowsDirectory(), kSettingsFileName);
    EXPECT_EQ(SettingsFilePath(), windowsFile);
    WIN32_FIND_DATAA found;
    EXPECT_FALSE(
        UniqueFileSearch(FindFirstFileA(JoinPath(locked.WindowsDirectory(), "Banderix-*.tmp").c_str(), &found)))
        << "probe left behind";
    EXPECT_FALSE(locked.Exists(windowsFile)) << "choosing makes nothing";
    PrivateProfileFile(windowsFile).WriteString("Main", "Path", "C:\\Banderix");

    const std::string userFile = ChooseSettingsFile(locked);
    EXPECT_EQ(userFile, JoinPath(JoinPath(locked.UserDataDirectory(), kPerUserFolderName), kSettingsFileName));
    EXPECT_EQ(PrivateProfileFile(userFile).ReadString("Main", "Path", ""), "C:\\Banderix") << "carried over";
    EXPECT_EQ(SettingsFilePath(), userFile) << "once there, the user's file stays the one";
}

// Values with blanks or quotes at an end, and one longer than the reader's first buffer, read back
// unchanged by key and by section from both kinds of profile; then the text font.
TEST(SettingsOnWindows, AnyValueAndTheTextFontAtEachDpiComeBackThroughTheProfileFunctions) {
    const std::vector<std::string> awkward = {" Tips ", "\"Quoted\"", "'single'", "\"", "Tab\t",
                                              "'half",  "a \"b\" c",  "plain",    "",   std::string(600, 'B')};
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string path = std::string(folder) + "bndx_settings_test.ini";
    PrivateProfileFile file(path);
    RegistryProfile registry("BndxTests", "Values");
    for (ProfileStore* store : std::initializer_list<ProfileStore*>{&file, &registry}) {
        for (size_t n = 0; n < awkward.size(); ++n)
            store->WriteString("Values", ("Key" + std::to_string(n)).c_str(), awkward[n]);
        const std::vector<ProfileEntry> section = store->ReadSection("Values");
        ASSERT_EQ(section.size(), awkward.size());
        for (size_t n = 0; n < awkward.size(); ++n) {
            SCOPED_TRACE(testing::PrintToString(awkward[n]));
            EXPECT_EQ(store->ReadString("Values", ("Key" + std::to_string(n)).c_str(), "?"), awkward[n]);
            EXPECT_EQ(section[n].value, awkward[n]);
        }
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\BndxTests");

    PainterSettings settings;
    const LOGFONTA font{-16, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "Arial"};
    settings.SetTextFont(font);
    settings.SaveSettings(file);
    PainterSettings loaded;
    loaded.LoadSettings(file);
    DeleteFileA(path.c_str());

    // A caption on a monitor at another DPI is drawn with the text font scaled to that DPI,
    // made once and released with the font it was made from.
    const HFONT first = loaded.GetTextFont();
    const HFONT at144 = loaded.GetTextFont(144, 96);
    LOGFONTA made{};
    ASSERT_EQ(GetObjectA(at144, sizeof(made), &made), static_cast<int>(sizeof(made)));
    EXPECT_STREQ(made.lfFaceName, "Arial");
    EXPECT_EQ(FormatFontData(FromLogFont(made)), "-24,0,0,0,700,1,0,0,0,0,0,0,0");
    EXPECT_EQ(loaded.GetTextFont(144, 96), at144) << "made once";
    loaded.SetTextFont(font);
    EXPECT_EQ(GetObjectA(first, sizeof(made), &made), 0) << "a replaced font is released";
    EXPECT_EQ(GetObjectA(at144, sizeof(made), &made), 0) << "with its font at another DPI";
}

} // namespace
} // namespace bndx
