// Every Help button and command of the programs asks HTML Help for its own file beside the
// program and for the right topic, and says so when the file or HTML Help cannot be had.
#include "resources/editor/resource.h"
// The two programs number these apart; the editor's are not used here.
#undef IDB_SPLASH
#undef IDC_COLOUR_LIST
#include "resources/painter/resource.h"
#include "tests/win/driver/bandsmith_program.h"
#include "tests/win/driver/e2e_test.h"
#include "tests/win/driver/settings_file.h"

#include <htmlhelp.h>
#include <shlwapi.h>

#include <fstream>
#include <optional>

namespace bndx::e2e {
namespace {

constexpr DWORD kRequestTimeoutMs = 5000;
constexpr const char* kPrograms[] = {"Banderix.exe", "Bandsmith.exe"};

// The prefix's HTML Help as a test wants it for its life: the stand-in that records requests
// (native, in place of Wine's own, for the programs under test only) or none at all.
class SystemHelp {
public:
    enum Kind { kStandIn, kMissing };
    explicit SystemHelp(Kind kind) {
        char folder[MAX_PATH] = {};
        GetSystemDirectoryA(folder, MAX_PATH);
        library_ = std::string(folder) + "\\hhctrl.ocx";
        SetEnvironmentVariableA("BNDX_HELP_RECORD", (record_ / "requests.txt").c_str());
        if (kind == kStandIn &&
            (!CopyFileA(library_.c_str(), saved_.c_str(), FALSE) ||
             !CopyFileA(test::TestProgramPath("hhctrl_standin.dll").c_str(), library_.c_str(), FALSE)))
            return;
        // Wine's load order for the library: "native" takes the file in the system folder, ""
        // refuses to load any.
        const char* order = kind == kStandIn ? "native" : "";
        for (const char* program : kPrograms)
            if (SHSetValueA(HKEY_CURRENT_USER, (kAppDefaults + program + "\\DllOverrides").c_str(), "hhctrl.ocx",
                            REG_SZ, order, static_cast<DWORD>(strlen(order) + 1)) != ERROR_SUCCESS)
                return;
        installed_ = true;
    }
    // Puts back the system's library and the programs' library settings.
    ~SystemHelp() {
        for (const char* program : kPrograms)
            SHDeleteKeyA(HKEY_CURRENT_USER, (kAppDefaults + program).c_str());
        // A program still holding the stand-in keeps the file from being replaced; it is on its way out.
        if (GetFileAttributesA(saved_.c_str()) != INVALID_FILE_ATTRIBUTES &&
            !WaitFor([this] { return CopyFileA(saved_.c_str(), library_.c_str(), FALSE) != FALSE; }, 10000))
            ADD_FAILURE() << "could not put back " << library_ << "; the prefix's HTML Help is the stand-in now";
        SetEnvironmentVariableA("BNDX_HELP_RECORD", nullptr);
    }
    SystemHelp(const SystemHelp&) = delete;
    SystemHelp& operator=(const SystemHelp&) = delete;

    bool Installed() const { return installed_; }
    // The requests recorded so far, "file|command|data" each, once there are as many as expected
    // or the time has run out.
    std::vector<std::string> WaitForRequests(size_t count, DWORD timeoutMs) const {
        std::vector<std::string> requests;
        WaitFor(
            [&] {
                requests.clear();
                std::ifstream in(record_ / "requests.txt");
                for (std::string line; std::getline(in, line);)
                    requests.push_back(line);
                return requests.size() >= count;
            },
            timeoutMs);
        return requests;
    }

private:
    static inline const std::string kAppDefaults = "Software\\Wine\\AppDefaults\\";
    ScratchFolder record_;
    std::string library_;
    const std::string saved_ = record_ / "hhctrl.ocx.saved";
    bool installed_ = false;
};

class HelpTest : public ::testing::Test {
protected:
    // The request HTML Help got last, once there are as many as expected.
    void ExpectRequest(size_t count, const std::string& file, UINT command, ULONG_PTR data) {
        const std::vector<std::string> requests = system->WaitForRequests(count, kRequestTimeoutMs);
        ASSERT_EQ(requests.size(), count) << "on screen: " << banderix.DescribeVisible() << editor.DescribeVisible();
        const std::string expected = file + "|" + std::to_string(command) + "|" + std::to_string(data);
        EXPECT_EQ(lstrcmpiA(requests.back().c_str(), expected.c_str()), 0) << requests.back() << " is not " << expected;
    }

    // A started Banderix settled in the tray.
    bool StartBanderix() { return banderix.Start() && banderix.WaitUntilSettled(); }

    // The program's own message box, its text holding the words, answered.
    void ExpectMessageSaying(const char* words) {
        const HWND box = WaitForMessageBox(banderix.ProcessId(), kProgramTitle, kRequestTimeoutMs);
        ASSERT_NE(box, nullptr) << banderix.DescribeVisible();
        EXPECT_NE(MessageBoxText(box).find(words), std::string::npos) << MessageBoxText(box);
        Click(box, IDOK);
    }

    // Put back only once the programs that loaded it have ended, which happens first.
    std::optional<SystemHelp> system;
    SettingsFile settings;
    BandsmithProfile profile;
    BanderixProgram banderix;
    BandsmithProgram editor;
};

// Without its file beside it, the program says which; with the file put there, as an
// installation has it, each window's topic, and every help window closed as the program ends.
TEST_F(HelpTest, BanderixAsksForItsFileAndEachWindowsTopicAndClosesItsHelpAsItEnds) {
    ASSERT_TRUE(system.emplace(SystemHelp::kStandIn).Installed());
    ASSERT_TRUE(StartBanderix());
    ASSERT_TRUE(banderix.ShowFromTray());
    Click(banderix.MainWindow(), ID_HELP);
    ExpectMessageSaying("Banderix.chm");
    EXPECT_TRUE(system->WaitForRequests(1, 500).empty()) << "HTML Help was asked for a file that is not there";

    const std::string file = banderix.Folder() + "\\Banderix.chm";
    CopyFileA(test::DistPath("Banderix.chm").c_str(), file.c_str(), FALSE);
    Click(banderix.MainWindow(), ID_HELP);
    ExpectRequest(1, file, HH_DISPLAY_TOPIC, 0);
    const HWND options = banderix.OpenOptions();
    ASSERT_NE(options, nullptr) << banderix.DescribeVisible();
    Click(options, ID_HELP);
    ExpectRequest(2, file, HH_HELP_CONTEXT, 13);
    Click(options, IDCANCEL);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(options); }, 3000));

    ASSERT_TRUE(banderix.Close());
    ExpectRequest(3, "(none)", HH_CLOSE_ALL, 0); // no file: every window it opened
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
    ExpectMessageSaying("HTML Help");
}

} // namespace
} // namespace bndx::e2e
