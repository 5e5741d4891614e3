#include "painter/sources/data_directory.h"

#include "platform/framework/program.h"

#include <windows.h>

namespace bndx {

std::string DataDirectory() {
    return ProgramDirectory() + "DATA\\";
}

void ForEachDataFile(const std::string& directory, const char* pattern,
                     const std::function<void(const std::string& path)>& found) {
    WIN32_FIND_DATAA file;
    HANDLE search = FindFirstFileA((directory + pattern).c_str(), &file);
    if (search == INVALID_HANDLE_VALUE)
        return;
    struct SearchCloser {
        HANDLE search;
        ~SearchCloser() { FindClose(search); }
    } closer{search};
    do {
        // A directory named like a data file is not one.
        if (!(file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            found(directory + file.cFileName);
    } while (FindNextFileA(search, &file));
}

} // namespace bndx
