// Every Help button and command of the programs asks HTML Help for its own file beside the
// program and for the right topic, and says so when HTML Help cannot be had.
#include "resources/painter/resource.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"
#include "tests/win/help/bandsmith_help.h"
#include "tests/win/help/system_help.h"

#include <htmlhelp.h>

#include <functional>
#include <optional>

namespace bndx::e2e {
namespace {

constexpr DWORD kRequestTimeoutMs = 5000;

// The window whose Help the user presses, made ready in a started program; null when it did not
// come up.
using BanderixOpener = std::function<HWND(const BanderixProgram&)>;
using BandsmithOpener = std::function<bool(BandsmithProgram&)>;

HWND MainWindowShown(const BanderixProgram& program) {
    return program.ShowFromTray() ? program.MainWindow() : nullptr;
}

HWND AdvancedOptions(const BanderixProgram& program) {
    const HWND options = program.OpenOptions();
    if (!options)
        return nullptr;
    Click(options, ID_ADVANCED);
    return WaitForWindowOf(program.ProcessId(), kAdvancedTitle, IDC_REFRESH_RATE, 5000);
}

bool NoDocument(BandsmithProgram& editor) {
    const HWND dialog = editor.NewDialog();
    if (!dialog)
        return false;
    Click(dialog, IDCANCEL);
    return editor.WaitForMainFrame();
}

BandsmithOpener Document(NewType type) {
    return [type](BandsmithProgram& editor) { return editor.ChooseNewType(type) != nullptr; };
}

struct HelpCase {
    const char* name;
    BanderixOpener banderix; // one of the two
    BandsmithOpener bandsmith;
    const char* file;
    UINT command;
    ULONG_PTR data;
};

const HelpCase kCases[] = {
    {"BanderixMainWindow", MainWindowShown, nullptr, "Banderix.chm", HH_DISPLAY_TOPIC, 0},
    {"BanderixOptions", [](const BanderixProgram& p) { return p.OpenOptions(); }, nullptr, "Banderix.chm",
     HH_HELP_CONTEXT, 13},
    {"BanderixAdvancedOptions", AdvancedOptions, nullptr, "Banderix.chm", HH_HELP_CONTEXT, 18},
    {"BandsmithWithoutDocument", nullptr, NoDocument, "Bandsmith.chm", HH_DISPLAY_TOPIC, 0},
    {"BandsmithForeground", nullptr, Document(kNewForeground), "Bandsmith.chm", HH_HELP_CONTEXT, 12},
    {"BandsmithBackground", nullptr, Document(kNewBackground), "Bandsmith.chm", HH_HELP_CONTEXT, 13},
    {"BandsmithMailMessage", nullptr, Document(kNewMailMessage), "Bandsmith.chm", HH_HELP_CONTEXT, 14},
};

class HelpTest : public ::testing::Test {
protected:
    // A private copy of Banderix carries its help beside it, as an installation does.
    void CopyBanderixHelp() {
        CopyFileA(test::DistPath("Banderix.chm").c_str(), (banderix.Folder() + "\\Banderix.chm").c_str(), FALSE);
    }

    // Starts the program of the case, opens its window and asks for help there; the process
    // that was asked.
    const Process* AskForHelp(const HelpCase& help) {
        if (help.banderix) {
            CopyBanderixHelp();
            if (!banderix.Start() || !banderix.WaitUntilSettled())
                return nullptr;
            const HWND window = help.banderix(banderix);
            if (!window)
                return nullptr;
            Click(window, ID_HELP);
            return &banderix;
        }
        if (!editor.Start() || !help.bandsmith(editor))
            return nullptr;
        ChooseHelpContents(editor);
        return &editor;
    }

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

using HelpRequests = TableTest<HelpTest, HelpCase>;

TEST_P(HelpRequests, AskHtmlHelpForTheProgramsFileAndTopic) {
    const HelpCase& help = GetParam();
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    const Process* program = AskForHelp(help);
    ASSERT_NE(program, nullptr) << "the window with the Help button did not come up";

    const std::vector<HelpRequest> requests = system->WaitForRequests(kRequestTimeoutMs);
    ASSERT_FALSE(requests.empty()) << "no help was asked for; on screen: " << program->DescribeVisible();
    HelpRequest request = requests.front();
    const std::string expected = help.banderix ? banderix.Folder() + "\\" + help.file : test::DistPath(help.file);
    EXPECT_EQ(lstrcmpiA(request["file"].c_str(), expected.c_str()), 0) << request["file"] << " is not " << expected;
    EXPECT_EQ(request["command"], std::to_string(help.command));
    EXPECT_EQ(request["data"], std::to_string(help.data));
}

INSTANTIATE_TEST_SUITE_P(EachHelp, HelpRequests, ::testing::ValuesIn(kCases), CaseName<HelpCase>);

TEST_F(HelpTest, BanderixClosesItsHelpWindowsAsItEnds) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    ASSERT_NE(AskForHelp(kCases[0]), nullptr);
    ASSERT_EQ(system->WaitForRequests(kRequestTimeoutMs).size(), 1u);
    ASSERT_TRUE(banderix.Close());
    const std::vector<HelpRequest> requests = system->WaitForRequests(kRequestTimeoutMs);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests.back().at("command"), std::to_string(HH_CLOSE_ALL));
}

TEST_F(HelpTest, WithoutHtmlHelpTheProgramSaysSoInItsOwnMessageBox) {
    ASSERT_TRUE(system.emplace(SystemHelp::kMissing).Installed());
    ASSERT_NE(AskForHelp(kCases[1]), nullptr);
    const HWND box = WaitForMessageBox(banderix.ProcessId(), kProgramTitle, kRequestTimeoutMs);
    ASSERT_NE(box, nullptr) << banderix.DescribeVisible();
    EXPECT_NE(MessageBoxText(box).find("HTML Help"), std::string::npos) << MessageBoxText(box);
    Click(box, IDOK);
}

TEST_F(HelpTest, WithoutItsHelpFileTheProgramSaysWhichFileIsMissing) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    ASSERT_TRUE(banderix.Start() && banderix.WaitUntilSettled());
    ASSERT_TRUE(banderix.ShowFromTray());
    Click(banderix.MainWindow(), ID_HELP);
    const HWND box = WaitForMessageBox(banderix.ProcessId(), kProgramTitle, kRequestTimeoutMs);
    ASSERT_NE(box, nullptr) << banderix.DescribeVisible();
    EXPECT_NE(MessageBoxText(box).find("Banderix.chm"), std::string::npos) << MessageBoxText(box);
    Click(box, IDOK);
    EXPECT_TRUE(system->WaitForRequests(500).empty()) << "HTML Help was asked for a file that is not there";
}

} // namespace
} // namespace bndx::e2e
