// Texts that loading foregrounds and backgrounds shows the user.
#pragma once

#include <string>

namespace bndx {

// A file written by a later version of the programs.
std::string NewerVersionMessage(const std::string& path);

} // namespace bndx
