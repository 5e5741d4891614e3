// The real Bandsmith from the build's dist folder, started with or without a document, its
// frame, child windows and forms found as a user sees them, and ended as its user ends it.
#pragma once

#include "tests/win/driver/banderix_program.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

// The program's name: its main frame's title and the caption of its message boxes.
constexpr char kEditorName[] = "Bandsmith";

// The rows of the New dialog, in the order the program registers its document types.
enum NewType { kNewForeground = 0, kNewBackground = 1, kNewMailMessage = 2 };

class BandsmithProgram {
public:
    BandsmithProgram() = default;
    // Ends the program, declining every offer to save, so that no copy outlives the test.
    ~BandsmithProgram();
    BandsmithProgram(const BandsmithProgram&) = delete;
    BandsmithProgram& operator=(const BandsmithProgram&) = delete;

    // Starts the program in the temporary folder, with the document's path (quoted) as its
    // command line when one is given.
    bool Start(const std::string& document = {});
    bool Running() const { return process_.Running(); }
    DWORD ProcessId() const { return process_.Id(); }
    long WaitForExit(DWORD timeoutMs) { return process_.WaitForExit(timeoutMs); }
    std::string DescribeVisible() const;

    // The dialog that asks for the type of a new document; null when none is shown in time.
    HWND NewDialog(DWORD timeoutMs = 10000) const;
    // Chooses the type in the New dialog shown and waits for its document's child window.
    HWND ChooseNewType(NewType type);
    // File New from the menu, then ChooseNewType.
    HWND NewDocument(NewType type);

    // The main frame, shown or not; null before it is made.
    HWND MainFrame() const;
    // Waits until the splash has gone and the main frame is on screen.
    bool WaitForMainFrame(DWORD timeoutMs = 10000) const;
    HWND MdiClient() const;
    // The child windows of the documents, the active one first.
    std::vector<HWND> ChildFrames() const;
    // The form a child window holds.
    static HWND FormOf(HWND childFrame);
    // A command chosen from the main frame's menu.
    void Command(UINT id) const;
    // A message box of the program's own (captioned with its name).
    HWND WaitForMessageBox(DWORD timeoutMs = 5000) const;

    // File Exit, answering No to every question whether to save; true once the program has
    // ended with exit code 0.
    bool Exit(DWORD timeoutMs = 10000);

private:
    HWND WaitForNewChild(const std::vector<HWND>& before) const;
    Process process_;
};

// The editor's registry profile: emptied before a test and after it.
class BandsmithProfile {
public:
    BandsmithProfile();
    ~BandsmithProfile();
    BandsmithProfile(const BandsmithProfile&) = delete;
    BandsmithProfile& operator=(const BandsmithProfile&) = delete;

    // The value, a number in decimal, or kAbsent.
    std::string Read(const char* section, const char* key) const;
    std::vector<std::string> RecentFiles() const;
};

} // namespace bndx::e2e
