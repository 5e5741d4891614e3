#include "editor/documents/foreground_import.h"

#include <algorithm>

namespace bndx {

namespace {

std::string Trimmed(const std::string& line) {
    constexpr char kWhiteSpace[] = " \t\n\v\f\r";
    const size_t last = line.find_last_not_of(kWhiteSpace);
    if (last == std::string::npos)
        return {};
    const size_t first = line.find_first_not_of(kWhiteSpace);
    return line.substr(first, last + 1 - first);
}

} // namespace

ImportedText ParseImportedText(const std::string& text) {
    ImportedText imported;
    const size_t size = std::min(text.find('\x1A'), text.size());
    for (size_t start = 0; start < size;) {
        const size_t newline = text.find('\n', start);
        const bool ended = newline < size;
        size_t end = ended ? newline : size;
        if (ended && end > start && text[end - 1] == '\r')
            --end;
        std::string line = Trimmed(text.substr(start, end - start));
        if (!imported.Description)
            imported.Description = std::move(line);
        else if (!line.empty())
            imported.Lines.push_back(std::move(line));
        start = ended ? newline + 1 : size;
    }
    return imported;
}

} // namespace bndx
