#include "tests/win/driver/bandsmith_program.h"

#include "platform/framework/framework_ids.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/list_box.h"
#include "tests/win/driver/program_windows.h"
#include "tests/win/driver/settings_file.h"

#include <algorithm>

namespace bndx::e2e {

namespace {

constexpr char kProfileKey[] = "Software\\Bandsmith";
constexpr char kProgramProfile[] = "Software\\Bandsmith\\Bandsmith\\";
constexpr int kRecentFileCount = 4;

std::string TemporaryFolder() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

} // namespace

BandsmithProgram::~BandsmithProgram() {
    if (Running() && !Exit(5000)) process_.Terminate();
}

bool BandsmithProgram::Start(const std::string& document) {
    return process_.Start(test::DistPath("Bandsmith.exe"), TemporaryFolder(),
                          document.empty() ? std::string() : "\"" + document + "\"");
}

std::string BandsmithProgram::DescribeVisible() const {
    return Running() ? e2e::DescribeVisible(ProcessId()) : "the program has ended";
}

HWND BandsmithProgram::NewDialog(DWORD timeoutMs) const {
    return WaitForWindowOf(ProcessId(), "New", IDC_NEW_TYPE_LIST, timeoutMs);
}

HWND BandsmithProgram::ChooseNewType(NewType type) {
    const HWND dialog = NewDialog();
    if (!dialog) return nullptr;
    const std::vector<HWND> before = ChildFrames();
    ListBox(dialog, IDC_NEW_TYPE_LIST).ClickRow(type);
    Click(dialog, IDOK);
    return WaitForNewChild(before);
}

HWND BandsmithProgram::NewDocument(NewType type) {
    Command(ID_FILE_NEW);
    return ChooseNewType(type);
}

HWND BandsmithProgram::MainFrame() const {
    return FindWindowOf(ProcessId(), nullptr, IDW_TOOLBAR);
}

bool BandsmithProgram::WaitForMainFrame(DWORD timeoutMs) const {
    return test::WaitFor(
        [this] {
            const HWND frame = MainFrame();
            return frame && VisibleWindowsOf(ProcessId()) == std::vector<HWND>{frame};
        },
        timeoutMs);
}

HWND BandsmithProgram::MdiClient() const {
    return FindWindowExA(MainFrame(), nullptr, "MDIClient", nullptr);
}

std::vector<HWND> BandsmithProgram::ChildFrames() const {
    std::vector<HWND> children;
    const HWND client = MdiClient();
    for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND BandsmithProgram::FormOf(HWND childFrame) {
    return GetWindow(childFrame, GW_CHILD);
}

void BandsmithProgram::Command(UINT id) const {
    ChooseCommand(MainFrame(), id);
}

HWND BandsmithProgram::WaitForMessageBox(DWORD timeoutMs) const {
    return e2e::WaitForMessageBox(ProcessId(), kEditorName, timeoutMs);
}

bool BandsmithProgram::Exit(DWORD timeoutMs) {
    if (!Running()) return false;
    Command(ID_APP_EXIT);
    const DWORD start = GetTickCount();
    while (Running() && GetTickCount() - start < timeoutMs) {
        if (const HWND box = FindMessageBox(ProcessId(), kEditorName)) Click(box, IDNO);
        test::PumpMessages(50);
    }
    return process_.WaitForExit(0) == 0;
}

HWND BandsmithProgram::WaitForNewChild(const std::vector<HWND>& before) const {
    HWND made = nullptr;
    test::WaitFor(
        [&] {
            for (HWND child : ChildFrames())
                if (IsWindowVisible(child) && FormOf(child) &&
                    std::find(before.begin(), before.end(), child) == before.end())
                    return (made = child) != nullptr;
            return false;
        },
        10000);
    return made;
}

BandsmithProfile::BandsmithProfile() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
}

BandsmithProfile::~BandsmithProfile() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey);
}

std::string BandsmithProfile::Read(const char* section, const char* key) const {
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, (std::string(kProgramProfile) + section).c_str(), key,
                     RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, value, &size) != ERROR_SUCCESS)
        return kAbsent;
    if (type == REG_DWORD) return std::to_string(*reinterpret_cast<const DWORD*>(value));
    return value;
}

std::vector<std::string> BandsmithProfile::RecentFiles() const {
    std::vector<std::string> files;
    for (int n = 1; n <= kRecentFileCount; ++n) {
        const std::string file = Read("Recent File List", ("File" + std::to_string(n)).c_str());
        if (file != kAbsent && !file.empty()) files.push_back(file);
    }
    return files;
}

} // namespace bndx::e2e
