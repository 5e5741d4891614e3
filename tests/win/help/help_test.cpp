// Every Help button and command of the programs asks HTML Help for its own file beside the
// program and for the right topic, and says so when HTML Help cannot be had.
#include "resources/editor/resource.h"
// The two programs number these apart; the editor's are not used here.
#undef IDB_SPLASH
#undef IDC_COLOUR_LIST
#include "resources/painter/resource.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/help/system_help.h"

#include <htmlhelp.h>

#include <optional>

namespace bndx::e2e {
namespace {

constexpr DWORD kRequestTimeoutMs = 5000;

class HelpTest : public ::testing::Test {
protected:
    // The request HTML Help got last, once there are as many as expected.
    void ExpectRequest(size_t count, const std::string& file, UINT command, ULONG_PTR data) {
        const std::vector<HelpRequest> requests = system->WaitForRequests(count, kRequestTimeoutMs);
        ASSERT_EQ(requests.size(), count) << "on screen: " << banderix.DescribeVisible() << editor.DescribeVisible();
        HelpRequest request = requests.back();
        EXPECT_EQ(lstrcmpiA(request["file"].c_str(), file.c_str()), 0) << request["file"] << " is not " << file;
        EXPECT_EQ(request["command"], std::to_string(command));
        EXPECT_EQ(request["data"], std::to_string(data));
    }

    // A started Banderix settled in the tray.
    bool StartBanderix() { return banderix.Start() && banderix.WaitUntilSettled(); }

    void TearDown() override {
        if (HasFailure())
            SaveScreen(banderix.Running() ? static_cast<const Process&>(banderix) : editor, "failed");
    }

    // Put back only once the programs that loaded it have ended, which happens first.
    std::optional<SystemHelp> system;
    SettingsFile settings;
    BandsmithProfile profile;
    BanderixProgram banderix;
    BandsmithProgram editor;
};

// Its own file beside the copy of the program, as an installation has it; each window's topic,
// and every help window closed as the program ends.
TEST_F(HelpTest, BanderixAsksForItsFileAndEachWindowsTopicAndClosesItsHelpAsItEnds) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    const std::string file = banderix.Folder() + "\\Banderix.chm";
    CopyFileA(test::DistPath("Banderix.chm").c_str(), file.c_str(), FALSE);
    ASSERT_TRUE(StartBanderix());
    ASSERT_TRUE(banderix.ShowFromTray());
    Click(banderix.MainWindow(), ID_HELP);
    ExpectRequest(1, file, HH_DISPLAY_TOPIC, 0);

    const HWND options = banderix.OpenOptions();
    ASSERT_NE(options, nullptr) << banderix.DescribeVisible();
    Click(options, ID_HELP);
    ExpectRequest(2, file, HH_HELP_CONTEXT, 13);
    Click(options, ID_ADVANCED);
    const HWND advanced = WaitForWindowOf(banderix.ProcessId(), kAdvancedTitle, IDC_REFRESH_RATE, 5000);
    ASSERT_NE(advanced, nullptr) << banderix.DescribeVisible();
    Click(advanced, ID_HELP);
    ExpectRequest(3, file, HH_HELP_CONTEXT, 18);
    Click(advanced, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(advanced); }, 3000));
    Click(options, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); }, 3000));

    ASSERT_TRUE(banderix.Close());
    ExpectRequest(4, "(none)", HH_CLOSE_ALL, 0); // no file: every window it opened
}

// The file of the dist folder it was started from; the overview without a document, and the
// topic of the active document's kind.
TEST_F(HelpTest, BandsmithAsksForItsFileAndTheActiveDocumentsTopic) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    const std::string file = test::DistPath("Bandsmith.chm");
    ASSERT_TRUE(editor.Start());
    const HWND dialog = editor.NewDialog();
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    Click(dialog, IDCANCEL);
    ASSERT_TRUE(editor.WaitForMainFrame());
    editor.Command(ID_HELP_CONTENTS);
    ExpectRequest(1, file, HH_DISPLAY_TOPIC, 0);

    const std::pair<NewType, ULONG_PTR> documents[] = {
        {kNewForeground, 12}, {kNewBackground, 13}, {kNewMailMessage, 14}};
    size_t asked = 1;
    for (const auto& [type, topic] : documents) {
        SCOPED_TRACE(topic);
        ASSERT_NE(editor.NewDocument(type), nullptr) << editor.DescribeVisible();
        editor.Command(ID_HELP_CONTENTS);
        ExpectRequest(++asked, file, HH_HELP_CONTEXT, topic);
    }
}

TEST_F(HelpTest, WithoutHtmlHelpTheProgramSaysSoInItsOwnMessageBox) {
    ASSERT_TRUE(system.emplace(SystemHelp::kMissing).Installed());
    CopyFileA(test::DistPath("Banderix.chm").c_str(), (banderix.Folder() + "\\Banderix.chm").c_str(), FALSE);
    ASSERT_TRUE(StartBanderix());
    const HWND options = banderix.OpenOptions();
    ASSERT_NE(options, nullptr) << banderix.DescribeVisible();
    Click(options, ID_HELP);
    const HWND box = WaitForMessageBox(banderix.ProcessId(), kProgramTitle, kRequestTimeoutMs);
    ASSERT_NE(box, nullptr) << banderix.DescribeVisible();
    EXPECT_NE(MessageBoxText(box).find("HTML Help"), std::string::npos) << MessageBoxText(box);
    Click(box, IDOK);
}

TEST_F(HelpTest, WithoutItsHelpFileTheProgramSaysWhichFileIsMissing) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    ASSERT_TRUE(StartBanderix());
    ASSERT_TRUE(banderix.ShowFromTray());
    Click(banderix.MainWindow(), ID_HELP);
    const HWND box = WaitForMessageBox(banderix.ProcessId(), kProgramTitle, kRequestTimeoutMs);
    ASSERT_NE(box, nullptr) << banderix.DescribeVisible();
    EXPECT_NE(MessageBoxText(box).find("Banderix.chm"), std::string::npos) << MessageBoxText(box);
    Click(box, IDOK);
    EXPECT_TRUE(system->WaitForRequests(1, 500).empty()) << "HTML Help was asked for a file that is not there";
}

} // namespace
} // namespace bndx::e2e
