// Facts about the running program that every window of it needs: its instance, its name and
// the folder it was started from.
#pragma once

#include <windows.h>

#include <string>

namespace bndx {

HINSTANCE ProgramInstance();

// The program file's name without its extension ("Banderix" for Banderix.exe): the caption of
// the program's own message boxes.
std::string ProgramName();

// The application's name: string IDS_APP_TITLE of the program's string table, the file's name
// when the program has none. It names the program's profile.
std::string ApplicationName();

// The folder of the program file, ending in a backslash.
std::string ProgramDirectory();

// A string of the program's string table; empty when there is none of that id.
std::string LoadProgramString(UINT id);

} // namespace bndx
