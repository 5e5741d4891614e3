// A private copy of Banderix in a temporary folder of its own: the program and its modules
// copied from the build's dist folder beside a DATA folder the test fills, started, driven
// and ended as its user ends it, so that no copy outlives the test.
#pragma once

#include "tests/win/driver/data_folder.h"
#include "tests/win/driver/list_box.h"

#include <windows.h>

#include <string>

namespace bndx::e2e {

constexpr char kProgramTitle[] = "Banderix";
constexpr char kOptionsTitle[] = "Banderix Options";
constexpr char kAdvancedTitle[] = "Advanced Options";

// One started process: its id, its end, and the force that ends it when nothing else did.
class Process {
public:
    Process() = default;
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The arguments follow the quoted program path on the command line, as a shell passes them.
    bool Start(const std::string& path, const std::string& folder, const std::string& arguments = {});
    DWORD Id() const { return id_; }
    bool Running() const;
    // The exit code, or -1 if the process has not ended in time. Messages are pumped meanwhile.
    long WaitForExit(DWORD timeoutMs);
    void Terminate();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

class BanderixProgram {
public:
    BanderixProgram();
    ~BanderixProgram();
    BanderixProgram(const BanderixProgram&) = delete;
    BanderixProgram& operator=(const BanderixProgram&) = delete;

    DataFolder& Data() { return data_; }
    const std::string& Folder() const { return folder_; }
    const std::string& ProgramPath() const { return programPath_; }

    // Starts the program, again after it has ended if need be.
    bool Start();
    // Start-up is over: the main window is made and nothing of the program is on screen.
    bool WaitUntilSettled(DWORD timeoutMs = 15000);
    bool Running() const { return process_.Running(); }
    long WaitForExit(DWORD timeoutMs) { return process_.WaitForExit(timeoutMs); }
    DWORD ProcessId() const { return process_.Id(); }
    std::string DescribeVisible() const;

    // The main window, whether shown or hidden; null before it is made.
    HWND MainWindow() const;
    ListBox Foregrounds() const;
    ListBox Backgrounds() const;
    // Posts the tray icon's callback with the mouse message, as the shell does.
    void PostTrayCallback(LPARAM mouseMessage) const;
    // A left click on the tray icon; true once the main window is shown and in front.
    bool ShowFromTray() const;
    // Shows the main window if hidden, presses "&Options..." and waits for the dialog.
    HWND OpenOptions() const;
    // As the user ends it: the main window shown, "Close" pressed; true once the process has
    // ended with exit code 0.
    bool Close(DWORD timeoutMs = 10000);

private:
    std::string folder_;
    std::string programPath_;
    DataFolder data_;
    Process process_;
};

} // namespace bndx::e2e
