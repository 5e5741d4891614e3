// The editor's data directory and proposed file names as this machine gives them: the Path
// entry of the shared settings file, and the letters of the user's code page.
#pragma once

#include <string>

namespace bndx {

// The Path value of section Main of Banderix.INI as settled for this user (SettlePath), followed
// by "\Data\".
std::string EditorDataDirectory();

// Asks before a save moved into the data directory replaces a file there: the save dialog only
// asked about the folder the user picked. True when the save may go ahead.
bool MayReplaceInDataDirectory(const std::string& path);

// Whether the path chosen lies in the data directory, the folders compared as the file system
// does: letter case aside for every letter of the user's code page.
bool IsInDataDirectory(const std::string& chosenPath, const std::string& dataDirectory);

// The data directory followed by the file name proposed for the description (IsCharAlphaNumericA
// decides which characters stay); extension is kBackgroundExtension or kForegroundExtension.
std::string ProposedSavePath(const std::string& description, const char* extension);

} // namespace bndx
