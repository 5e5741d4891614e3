// Banderix and Bandsmith run by a user who may not write the folder they are installed in, in a
// Wine prefix of that user's own (run-as-user starts this program so, on programs it copied into
// such a folder): the editor saves into the user's own data folder, a Banderix that is already
// running lists the new background within a second and paints with it, and nothing is written
// beside the programs.
#include "platform/framework/framework_ids.h"
#include "common/settings_location_win32.h"
#include "resources/editor/resource.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/driver/subject_window.h"

#include <filesystem>
#include <map>

namespace bndx::e2e {
namespace {

namespace fs = std::filesystem;

// Every file under the folder, with its size and time of writing.
std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> Contents(const std::string& folder) {
    std::map<std::string, std::pair<uintmax_t, fs::file_time_type>> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        contents[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return contents;
}

TEST(OwnFolder, BandsmithSavesIntoTheUsersOwnFolderAndARunningBanderixListsItAtOnceAndPaintsWithIt) {
    std::string program = test::DistPath("");
    program.pop_back();
    ASSERT_FALSE(Win32SettingsLocationFacts().CanCreateIn(program))
        << "the test needs a program folder this user cannot write: " << program;
    const auto before = Contents(program);
    const std::string own = Win32SettingsLocationFacts().UserDataDirectory() + "\\Banderix";
    std::error_code ignored;
    fs::remove_all(own + "\\Data", ignored);
    const SettingsFile settings; // none, as for every user but the one who installed
    const ScratchFolder elsewhere;
    const SubjectWindow subject("Own folder subject", 40, 560, 700, kButtonlessCaption);

    BanderixProgram banderix;
    ASSERT_TRUE(banderix.StartFrom(program)) << "error " << banderix.StartError();
    ASSERT_TRUE(banderix.WaitUntilSettled()) << banderix.DescribeVisible();
    EXPECT_EQ(settings.Read("Main", "Path"), own);
    const int rows = banderix.Backgrounds().Count();
    ASSERT_GT(rows, 1) << "the shared samples are listed";
    banderix.Backgrounds().ClickRow(1);

    BandsmithProgram editor;
    ASSERT_TRUE(editor.Start());
    const HWND child = editor.ChooseNewType(kNewBackground);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    const HWND form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_BACKGROUND_DESCRIPTION), "Mine"));
    WriteBytes(elsewhere / "green.bmp", SolidBitmapFile(kGreen));
    Click(form, IDC_SET_IMAGE);
    const HWND open = WaitForFileDialog(editor.ProcessId(), kOpenTitle);
    ASSERT_NE(open, nullptr) << editor.DescribeVisible();
    ASSERT_TRUE(ChooseFile(open, elsewhere / "green.bmp"));
    editor.Command(ID_FILE_SAVE);
    const HWND save = WaitForFileDialog(editor.ProcessId(), kSaveAsTitle);
    ASSERT_NE(save, nullptr) << editor.DescribeVisible();
    const std::string saved = own + "\\Data\\Mine.bxb";
    ASSERT_TRUE(ChooseFile(save));
    ASSERT_TRUE(WaitFor([&] { return fs::exists(saved); }, 5000)) << editor.DescribeVisible();

    const DWORD savedAt = GetTickCount();
    ASSERT_TRUE(WaitFor([&] { return banderix.Backgrounds().Count() == rows + 1; }, 3000)) << "not listed";
    EXPECT_LE(GetTickCount() - savedAt, 1000u) << "listed only after a second";
    EXPECT_EQ(banderix.Backgrounds().Selected(), std::vector<int>{1}) << "the selection is kept";
    banderix.Backgrounds().ClickRow(rows);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    EXPECT_TRUE(WaitFor([&] { return subject.Fill() == kGreen; }, 3000)) << std::hex << subject.Fill();
    EXPECT_EQ(settings.Read("Main", "SelectedBackground"), "Mine");

    EXPECT_TRUE(editor.Exit()) << editor.DescribeVisible();
    EXPECT_TRUE(banderix.Close()) << banderix.DescribeVisible();
    EXPECT_TRUE(Contents(program) == before) << "something was written beside the programs";
}

} // namespace
} // namespace bndx::e2e
