// The program's command line as the editor reads it: the first argument after the program's
// own name that is not a switch names a document to open.
#pragma once

#include <string>
#include <vector>

namespace bndx {

// Splits a command line the way the platform's C runtime does for simple cases: blanks
// separate arguments, double quotes group blanks into one. The program's name is the first.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The document named on the command line, or empty when there is none.
std::string DocumentArgument(const std::string& commandLine);

} // namespace bndx
