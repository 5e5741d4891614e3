// The settings file on a real Windows: where it is put, and the settings going through the
// platform's profile functions. The tests write the prefix's real Banderix.INI (and the
// per-user one) and put back whatever was there.
#include "common/settings_location_win32.h"
#include "painter/settings/painter_settings.h"
#include "painter/settings/private_profile_file.h"
#include "painter/settings/selection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace bndx {
namespace {

Win32SettingsLocationFacts machine;
const std::string kWindowsFile = JoinPath(machine.WindowsDirectory(), kSettingsFileName);
const std::string kUserFolder = JoinPath(machine.UserDataDirectory(), kPerUserFolderName);
const std::string kUserFile = JoinPath(kUserFolder, kSettingsFileName);

std::string RawValue(const std::string& file, const char* section, const char* key) {
    char value[1024];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof(value), file.c_str());
    return value;
}

// Each test starts without a settings file in either place.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        folderExisted_ = machine.Exists(kUserFolder);
        for (const std::string& file : {kWindowsFile, kUserFile})
            MoveFileExA(file.c_str(), (file + ".before-test").c_str(), MOVEFILE_REPLACE_EXISTING);
        ASSERT_FALSE(machine.Exists(kWindowsFile) || machine.Exists(kUserFile));
    }
    void TearDown() override {
        for (const std::string& file : {kWindowsFile, kUserFile}) {
            DeleteFileA(file.c_str());
            MoveFileExA((file + ".before-test").c_str(), file.c_str(), 0);
        }
        if (!folderExisted_) RemoveDirectoryA(kUserFolder.c_str());
    }
    bool folderExisted_ = false;
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

TEST_F(SettingsFileTest, TheWindowsDirectoryIsUsedWhereItCanBeWritten) {
    EXPECT_EQ(SettingsFilePath(), kWindowsFile);
    WIN32_FIND_DATAA found;
    const HANDLE probe = FindFirstFileA(JoinPath(machine.WindowsDirectory(), "Banderix-*.tmp").c_str(), &found);
    EXPECT_EQ(probe, INVALID_HANDLE_VALUE) << "probe left behind";
    EXPECT_FALSE(machine.Exists(kWindowsFile) || machine.Exists(kUserFolder)) << "choosing makes nothing";

    WritePrivateProfileStringA("Main", "Path", "C:\\Banderix", kWindowsFile.c_str());
    EXPECT_EQ(SettingsFilePath(), kWindowsFile) << "an existing writable file";
}

TEST_F(SettingsFileTest, ALockedWindowsDirectorySendsTheFileToTheUserWithWhatItHeld) {
    LockedWindowsDirectory locked;
    EXPECT_EQ(ChooseSettingsFile(locked), kUserFile);
    PrivateProfileFile(kUserFile).WriteInt("Foreground", "Speed", 4);
    EXPECT_EQ(RawValue(kUserFile, "Foreground", "Speed"), "4") << "the folder was made";
    EXPECT_EQ(SettingsFilePath(), kUserFile) << "once there, the user's file stays the one";

    DeleteFileA(kUserFile.c_str());
    WritePrivateProfileStringA("Main", "Path", "C:\\Banderix", kWindowsFile.c_str());
    EXPECT_EQ(ChooseSettingsFile(locked), kUserFile);
    EXPECT_EQ(RawValue(kUserFile, "Main", "Path"), "C:\\Banderix") << "carried over";
}

TEST_F(SettingsFileTest, DefaultsWithoutAFileAndWhatIsSavedComesBack) {
    PrivateProfileFile file(SettingsFilePath());
    PainterSettings saved;
    saved.Speed = 1;
    EXPECT_EQ(LoadSelection(file, saved), "");
    EXPECT_EQ(saved.GetSpeed(), 9);
    EXPECT_EQ(saved.TextBackgroundColorIndex, 16);
    EXPECT_EQ(saved.GetTextFont(), nullptr);
    EXPECT_FALSE(machine.Exists(file.Path())) << "loading writes nothing";

    saved.Alignment = -1;
    saved.TextBackgroundColorIndex = 65535;
    LOGFONTA font{};
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    lstrcpyA(font.lfFaceName, "Arial");
    saved.SetTextFont(font);

    // A background name longer than the reader's first buffer.
    class Rows : public SelectionList {
    public:
        int Count() const override { return 2; }
        std::string TextOf(int row) const override { return std::string(row * 600, 'B'); }
        bool IsSelected(int row) const override { return row == 1; }
        void Select(int) override {}
    } rows;
    SaveSelection(file, rows, rows, saved);
    EXPECT_EQ(RawValue(file.Path(), "Foreground", "FontData"), "-16,0,0,0,700,1,0,0,0,0,0,0,0");
    EXPECT_EQ(RawValue(file.Path(), "Foreground", "Alignment"), "-1");

    PainterSettings loaded;
    EXPECT_EQ(LoadSelection(file, loaded), std::string(600, 'B'));
    EXPECT_EQ(loaded.Alignment, -1);
    EXPECT_EQ(loaded.TextBackgroundColorIndex, 65535);
    LOGFONTA made{};
    ASSERT_EQ(GetObjectA(loaded.GetTextFont(), sizeof(made), &made), static_cast<int>(sizeof(made)));
    EXPECT_STREQ(made.lfFaceName, "Arial");
    EXPECT_EQ(made.lfHeight, -16);
    EXPECT_EQ(made.lfItalic, 1);

    const HFONT first = loaded.GetTextFont();
    loaded.SetTextFont(font);
    EXPECT_EQ(GetObjectA(first, sizeof(made), &made), 0) << "a replaced font is released";
}

} // namespace
} // namespace bndx
