#include "painter/sources/data_directory.h"

#include "platform/framework/program.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

std::string DataDirectory() {
    return ProgramDirectory() + "DATA\\";
}

void ForEachDataFile(const std::string& directory, const char* pattern,
                     const std::function<void(const std::string& path)>& found) {
    WIN32_FIND_DATAA file;
    const UniqueFileSearch search(FindFirstFileA((directory + pattern).c_str(), &file));
    if (!search)
        return;
    do {
        // A directory named like a data file is not one.
        if (!(file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            found(directory + file.cFileName);
    } while (FindNextFileA(search.Get(), &file));
}

} // namespace bndx
