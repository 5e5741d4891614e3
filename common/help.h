// Opens a program's help file at its contents or at a topic given by its context number. Every
// help request of the programs goes through here, so the help format can change in one place.
#pragma once

#include <windows.h>

namespace bndx {

constexpr UINT kHelpContents = 3; // data unused
constexpr UINT kHelpContext = 1;  // data is the topic's context number

// The file is looked for beside the program.
void ShowHelp(HWND owner, const char* fileName, UINT command, ULONG_PTR data = 0);

} // namespace bndx
