#include "tests/win/driver/banderix_program.h"

#include "common/painter_messages.h"
#include "resources/painter/resource.h"
#include "tests/win/desktop.h"

#include <filesystem>

namespace bndx::e2e {

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "bnx", 0, name); // reserves a unique name, as a file
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    path_ = name;
}

ScratchFolder::~ScratchFolder() {
    // A module may stay mapped into this process for a while after it was unhooked.
    std::error_code ignored;
    for (int attempt = 0; attempt < 10 && std::filesystem::exists(path_, ignored); ++attempt) {
        std::filesystem::remove_all(path_, ignored);
        if (ignored)
            test::PumpMessages(100);
    }
}

std::string Process::DescribeVisible() const {
    return Running() ? e2e::DescribeVisible(ProcessId()) : "the program has ended";
}

BanderixProgram::BanderixProgram() : data_(folder_ / "DATA") {
    CreateDirectoryA(data_.Path().c_str(), nullptr);
    CopyFileA(test::DistPath("Banderix.exe").c_str(), ProgramPath().c_str(), FALSE);
    WIN32_FIND_DATAA found;
    const UniqueFileSearch search(FindFirstFileA(test::DistPath("*.dll").c_str(), &found));
    if (!search)
        return;
    do
        CopyFileA(test::DistPath(found.cFileName).c_str(), (folder_ / found.cFileName).c_str(), FALSE);
    while (FindNextFileA(search.Get(), &found));
}

BanderixProgram::~BanderixProgram() {
    if (Running() && !Close(5000))
        Terminate();
}

bool BanderixProgram::Start() {
    return Process::Start(ProgramPath(), Folder());
}

bool BanderixProgram::StartFrom(const std::string& programFolder) {
    return Process::Start(programFolder + "\\Banderix.exe", programFolder);
}

bool BanderixProgram::WaitUntilSettled(DWORD timeoutMs) {
    const auto settled = [this] { return MainWindow() && VisibleWindowsOf(ProcessId()).empty(); };
    const DWORD start = GetTickCount();
    while (Running() && GetTickCount() - start < timeoutMs) {
        // Twice, a moment apart: between the splash going and the main window hiding itself
        // there can be an instant with nothing on screen.
        if (settled()) {
            test::PumpMessages(300);
            if (settled())
                return true;
        }
        test::PumpMessages(20);
    }
    return false;
}

HWND BanderixProgram::MainWindow() const {
    return WaitForWindowOf(ProcessId(), kProgramTitle, IDC_FOREGROUND_LIST);
}

ListBox BanderixProgram::Foregrounds() const {
    return ListBox(MainWindow(), IDC_FOREGROUND_LIST);
}

ListBox BanderixProgram::Backgrounds() const {
    return ListBox(MainWindow(), IDC_BACKGROUND_LIST);
}

void BanderixProgram::PostTrayCallback(LPARAM mouseMessage) const {
    PostMessageA(MainWindow(), WM_TRAY_CALLBACK, 0, mouseMessage);
}

bool BanderixProgram::ShowFromTray() const {
    PostTrayCallback(WM_LBUTTONDOWN);
    return test::WaitFor([this] { return IsInFront(MainWindow()); }, 3000);
}

HWND BanderixProgram::OpenOptions() const {
    if (!IsWindowVisible(MainWindow()))
        ShowFromTray();
    Click(MainWindow(), IDC_OPTIONS);
    return WaitForWindowOf(ProcessId(), kOptionsTitle, IDC_SPEED, 5000);
}

bool BanderixProgram::Close(DWORD timeoutMs) {
    if (!Running())
        return false;
    if (!IsWindowVisible(MainWindow()))
        ShowFromTray();
    Click(MainWindow(), IDOK);
    return WaitForExit(timeoutMs) == 0;
}

} // namespace bndx::e2e
