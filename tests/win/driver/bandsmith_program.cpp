#include "tests/win/driver/bandsmith_program.h"

#include "platform/framework/framework_ids.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/settings_file.h"

#include <shlwapi.h>

#include <algorithm>

namespace bndx::e2e {

namespace {

constexpr char kProfileKey[] = "Software\\Bandsmith";
constexpr char kProgramProfile[] = "Software\\Bandsmith\\Bandsmith\\";

} // namespace

BandsmithProgram::~BandsmithProgram() {
    if (Running() && !Exit(5000))
        Terminate();
}

bool BandsmithProgram::Start(const std::string& document) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return Process::Start(test::DistPath("Bandsmith.exe"), folder, document.empty() ? "" : "\"" + document + "\"");
}

HWND BandsmithProgram::NewDialog() const {
    return WaitForWindowOf(ProcessId(), "New", IDC_NEW_TYPE_LIST, 10000);
}

HWND BandsmithProgram::ChooseNewType(NewType type) {
    const HWND dialog = NewDialog();
    if (!dialog)
        return nullptr;
    const std::vector<HWND> before = ChildFrames();
    ListBox(dialog, IDC_NEW_TYPE_LIST).ClickRow(type);
    Click(dialog, IDOK);
    HWND made = nullptr;
    test::WaitFor(
        [&] {
            for (HWND child : ChildFrames())
                if (IsWindowVisible(child) && FormOf(child) && std::count(before.begin(), before.end(), child) == 0)
                    return (made = child) != nullptr;
            return false;
        },
        10000);
    return made;
}

HWND BandsmithProgram::NewDocument(NewType type) {
    Command(ID_FILE_NEW);
    return ChooseNewType(type);
}

HWND BandsmithProgram::MainFrame() const {
    return WaitForWindowOf(ProcessId(), nullptr, IDW_STATUS_BAR); // the toolbar may float in a window of its own
}

bool BandsmithProgram::WaitForMainFrame(DWORD timeoutMs) const {
    return test::WaitFor(
        [this] {
            const HWND frame = MainFrame();
            return frame && VisibleWindowsOf(ProcessId()) == std::vector<HWND>{frame};
        },
        timeoutMs);
}

std::vector<HWND> BandsmithProgram::ChildFrames() const {
    std::vector<HWND> children;
    const HWND client = FindWindowExA(MainFrame(), nullptr, "MDIClient", nullptr);
    for (HWND child = client ? GetWindow(client, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

void BandsmithProgram::Command(UINT id) const {
    PostMessageA(MainFrame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

HWND BandsmithProgram::WaitForMessageBox(DWORD timeoutMs) const {
    return e2e::WaitForMessageBox(ProcessId(), kEditorName, timeoutMs);
}

bool BandsmithProgram::Exit(DWORD timeoutMs) {
    if (!Running())
        return false;
    Command(ID_APP_EXIT);
    const DWORD start = GetTickCount();
    while (Running() && GetTickCount() - start < timeoutMs) {
        if (const HWND box = WaitForMessageBox(0))
            Click(box, IDNO);
        test::PumpMessages(50);
    }
    return WaitForExit(0) == 0;
}

BandsmithProfile::BandsmithProfile() {
    SHDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
}

BandsmithProfile::~BandsmithProfile() {
    SHDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
}

std::string RegistryValue(HKEY root, const char* key, const char* name) {
    char data[1024] = {};
    DWORD type = 0, size = sizeof data - 1;
    if (RegGetValueA(root, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, data, &size) != ERROR_SUCCESS)
        return kAbsent;
    return type == REG_DWORD ? std::to_string(*reinterpret_cast<const DWORD*>(data)) : std::string(data);
}

std::string BandsmithProfile::Read(const char* section, const char* key) const {
    return RegistryValue(HKEY_CURRENT_USER, (std::string(kProgramProfile) + section).c_str(), key);
}

} // namespace bndx::e2e
