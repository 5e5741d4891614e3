// Where Banderix finds its foregrounds and backgrounds: the directory DATA beside its program
// file, searched once at start-up.
#pragma once

#include <functional>
#include <string>

namespace bndx {

// The program file's drive and directory followed by "DATA\".
std::string DataDirectory();

// Calls found with the full path of every file of the directory (ending in a backslash) that
// matches the pattern, in the order in which the directory search returns them.
void ForEachDataFile(const std::string& directory, const char* pattern,
                     const std::function<void(const std::string& path)>& found);

} // namespace bndx
