// The settings file on a real Windows: where it is put, and the settings going through the
// platform's profile functions. The tests write the prefix's real Banderix.INI (and the
// per-user one) and put back whatever was there.
#include "common/settings_location_win32.h"
#include "painter/settings/painter_settings.h"
#include "platform/framework/private_profile_file.h"
#include "painter/settings/selection.h"
#include "tests/win/driver/settings_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace bndx {
namespace {

Win32SettingsLocationFacts machine;
const std::string kWindowsFile = JoinPath(machine.WindowsDirectory(), kSettingsFileName);
const std::string kUserFolder = JoinPath(machine.UserDataDirectory(), kPerUserFolderName);
const std::string kUserFile = JoinPath(kUserFolder, kSettingsFileName);

// Each test starts without a settings file in either place, and puts back what was there.
class SettingsFileTest : public testing::Test {
    e2e::SettingsFile putAside_;
};

// The Windows directory of a 64-bit program run by a standard user: nothing there can be
// written. Everything else is the machine's own.
class LockedWindowsDirectory : public Win32SettingsLocationFacts {
public:
    bool CanWrite(const std::string& file) override {
        return file != kWindowsFile && Win32SettingsLocationFacts::CanWrite(file);
    }
    bool CanCreateIn(const std::string& folder) override {
        return folder != machine.WindowsDirectory() && Win32SettingsLocationFacts::CanCreateIn(folder);
    }
};

TEST_F(SettingsFileTest, TheWindowsDirectoryServesUntilTheUserHasToMoveWithWhatItHeld) {
    EXPECT_EQ(SettingsFilePath(), kWindowsFile);
    WIN32_FIND_DATAA found;
    const HANDLE probe = FindFirstFileA(JoinPath(machine.WindowsDirectory(), "Banderix-*.tmp").c_str(), &found);
    EXPECT_EQ(probe, INVALID_HANDLE_VALUE) << "probe left behind";
    for (const std::string& made : {kWindowsFile, kUserFolder})
        EXPECT_FALSE(machine.Exists(made)) << "choosing makes nothing: " << made;
    PrivateProfileFile(kWindowsFile).WriteString("Main", "Path", "C:\\Banderix");
    EXPECT_EQ(SettingsFilePath(), kWindowsFile) << "an existing writable file";

    LockedWindowsDirectory locked;
    EXPECT_EQ(ChooseSettingsFile(locked), kUserFile);
    EXPECT_EQ(PrivateProfileFile(kUserFile).ReadString("Main", "Path", ""), "C:\\Banderix") << "carried over";
    EXPECT_EQ(SettingsFilePath(), kUserFile) << "once there, the user's file stays the one";
}

TEST_F(SettingsFileTest, WhatIsSavedComesBackThroughTheProfileFunctionsWithItsFontAtEachDpi) {
    PrivateProfileFile file(SettingsFilePath());
    PainterSettings settings;
    settings.Speed = 1;
    EXPECT_EQ(LoadSelection(file, settings), "");
    EXPECT_EQ(settings.GetSpeed(), 9) << "a missing file gives the defaults";
    EXPECT_EQ(settings.GetTextFont(), nullptr);

    settings.Alignment = 2;
    const LOGFONTA font{-16, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "Arial"};
    settings.SetTextFont(font);
    settings.SaveSettings(file);
    file.WriteString("Main", "SelectedBackground", std::string(600, 'B')); // longer than the reader's first buffer

    PainterSettings loaded;
    EXPECT_EQ(LoadSelection(file, loaded), std::string(600, 'B'));
    EXPECT_EQ(loaded.Alignment, 2);
    LOGFONTA made{};
    ASSERT_EQ(GetObjectA(loaded.GetTextFont(), sizeof(made), &made), static_cast<int>(sizeof(made)));
    EXPECT_STREQ(made.lfFaceName, "Arial");
    EXPECT_EQ(FormatFontData(FromLogFont(made)), "-16,0,0,0,700,1,0,0,0,0,0,0,0");

    // A caption on a monitor at another DPI is drawn with the text font scaled to that DPI,
    // made once and released with the font it was made from.
    const HFONT first = loaded.GetTextFont();
    EXPECT_EQ(loaded.GetTextFont(96, 96), first);
    EXPECT_EQ(loaded.GetTextFont(0, 96), first) << "a DPI the system cannot say";
    const HFONT at144 = loaded.GetTextFont(144, 96);
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
