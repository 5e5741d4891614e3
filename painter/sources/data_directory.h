// Where Banderix finds its foregrounds and backgrounds: the shared DATA folder beside its program
// file, then the user's own folder that Path names.
#pragma once

#include "painter/sources/source_listing.h"

#include <functional>
#include <string>
#include <vector>

namespace bndx {

// The folders read for this user, each ending in a backslash (PainterDataFolders), once Path is
// settled (SettlePath).
std::vector<std::string> DataFolders();

// Calls found with the full path and the stamp of every file of the directory (ending in a
// backslash) that matches the pattern, in the order in which the directory search returns them.
void ForEachDataFile(const std::string& directory, const char* pattern,
                     const std::function<void(const std::string& path, const FileStamp& stamp)>& found);

} // namespace bndx
