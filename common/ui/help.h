// Opens a program's help file at its contents or at a topic given by its context number. Every
// help request of the programs goes through here, so the help format can change in one place.
#pragma once

#include <windows.h>

namespace bndx {

constexpr UINT kHelpContents = 3; // data unused
constexpr UINT kHelpContext = 1;  // data is the topic's context number

// The file is looked for beside the program. Callers name it as they always have ("X.HLP"); the
// compiled HTML help of the same name ("X.chm") is what is shown, by the system's HTML Help.
// When HTML Help or the file is missing, a message box says so.
void ShowHelp(HWND owner, const char* fileName, UINT command, ULONG_PTR data = 0);

// Closes every help window the program opened; a program calls it as it ends.
void CloseHelp();

} // namespace bndx
