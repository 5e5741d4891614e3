// The system's Open and Save As dialogs as another program shows them, worked through their
// file name box as a user types into it.
#pragma once

#include <windows.h>

#include <string>

namespace bndx::e2e {

constexpr char kOpenTitle[] = "Open";
constexpr char kSaveAsTitle[] = "Save As";

// A file dialog of the process with this title; null when none is shown in time.
HWND WaitForFileDialog(DWORD processId, const char* title, DWORD timeoutMs = 5000);
// What the file name box shows: the name the program proposed, until someone types.
std::string FileDialogName(HWND dialog);
// Types the path into the file name box (unless it is empty, which keeps the proposal) and
// presses the dialog's Open or Save button; true once the dialog has gone.
bool ChooseFile(HWND dialog, const std::string& path = {});

} // namespace bndx::e2e
