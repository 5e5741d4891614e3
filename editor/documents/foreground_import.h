// A text file imported into a foreground: its first line describes the foreground and every
// further line that is not blank becomes one of its lines. Every line is trimmed of white space,
// the description too: blanks at its ends would be invisible in the form and in Banderix's list.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bndx {

struct ImportedText {
    // The first line, trimmed; none for an empty file, which leaves the description alone.
    std::optional<std::string> Description;
    // The further lines in the file's order, trimmed of white space, the blank ones left out.
    std::vector<std::string> Lines;
};

// The text ends at a Ctrl+Z, as old editors left one there. CR LF ends a line as LF does, and
// the last line needs no end.
ImportedText ParseImportedText(const std::string& text);

} // namespace bndx
