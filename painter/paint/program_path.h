// Which program made a window, asked of the system.
#pragma once

#include <windows.h>

#include <string>

namespace bndx {

// The path of the executable whose process made the window. Where the process cannot be opened
// (one of higher rights, or Windows XP, which lacks the limited query), the file name the
// system's list of processes shows for it; empty where neither answers.
std::string ProgramPathOf(HWND window);

} // namespace bndx
