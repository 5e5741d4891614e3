// The real Bandsmith from the build's dist folder, started with or without a document.
#pragma once

#include "tests/win/driver/banderix_program.h"

#include <windows.h>

#include <string>
#include <vector>

namespace bndx::e2e {

constexpr char kEditorName[] = "Bandsmith";

// The rows of the New dialog, in the order the program registers its document types.
enum NewType { kNewForeground = 0, kNewBackground = 1, kNewMailMessage = 2 };

class BandsmithProgram : public Process {
public:
    ~BandsmithProgram();

    bool Start(const std::string& document = {});
    HWND NewDialog() const;
    // The new document's child window.
    HWND ChooseNewType(NewType type);
    HWND NewDocument(NewType type);

    HWND MainFrame() const;
    // Waits until the main frame is the one window on screen.
    bool WaitForMainFrame(DWORD timeoutMs = 10000) const;
    // The active one first.
    std::vector<HWND> ChildFrames() const;
    static HWND FormOf(HWND childFrame) { return GetWindow(childFrame, GW_CHILD); }
    void Command(UINT id) const;
    HWND WaitForMessageBox(DWORD timeoutMs = 5000) const;
    // Answering No to every offer to save; true once it has ended with exit code 0.
    bool Exit(DWORD timeoutMs = 10000);
};

// kAbsent when the value is missing; a number for a DWORD.
std::string RegistryValue(HKEY root, const char* key, const char* name);

// The editor's registry profile: emptied before a test and after it.
class BandsmithProfile {
public:
    BandsmithProfile();
    ~BandsmithProfile();
    BandsmithProfile(const BandsmithProfile&) = delete;
    BandsmithProfile& operator=(const BandsmithProfile&) = delete;

    std::string Read(const char* section, const char* key) const;
};

} // namespace bndx::e2e
