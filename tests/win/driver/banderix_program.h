// A private copy of Banderix and its modules beside a DATA folder the test fills.
#pragma once

#include "tests/win/driver/data_folder.h"
#include "tests/win/desktop.h"
#include "tests/win/driver/program_windows.h"

#include <windows.h>

#include <string>

namespace bndx::e2e {

constexpr char kProgramTitle[] = "Banderix";
constexpr char kOptionsTitle[] = "Banderix Options";
constexpr char kAdvancedTitle[] = "Advanced Options";

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// A started process whose windows a failing test can describe.
class Process : public test::Process {
public:
    std::string DescribeVisible() const;
};

class BanderixProgram : public Process {
public:
    BanderixProgram();
    ~BanderixProgram();

    DataFolder& Data() { return data_; }
    const std::string& Folder() const { return folder_.Path(); }
    std::string ProgramPath() const { return folder_ / "Banderix.exe"; }

    bool Start();
    // The Banderix of another folder, as installed there, instead of the private copy.
    bool StartFrom(const std::string& programFolder);
    // The main window is made and nothing of the program is on screen.
    bool WaitUntilSettled(DWORD timeoutMs = 15000);
    HWND MainWindow() const;
    ListBox Foregrounds() const;
    ListBox Backgrounds() const;
    void PostTrayCallback(LPARAM mouseMessage) const;
    bool ShowFromTray() const;
    HWND OpenOptions() const;
    // As the user ends it; true once the process has ended with exit code 0.
    bool Close(DWORD timeoutMs = 10000);

private:
    ScratchFolder folder_;
    DataFolder data_;
};

} // namespace bndx::e2e
