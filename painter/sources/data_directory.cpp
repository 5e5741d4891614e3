#include "painter/sources/data_directory.h"

#include "common/data_path_win32.h"
#include "platform/framework/program.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

std::vector<std::string> DataFolders() {
    const std::string programDirectory = ProgramDirectory();
    return PainterDataFolders(programDirectory, SettledDataPath(programDirectory), FoldFolderName);
}

void ForEachDataFile(const std::string& directory, const char* pattern,
                     const std::function<void(const std::string& path, const FileStamp& stamp)>& found) {
    WIN32_FIND_DATAA file;
    const UniqueFileSearch search(FindFirstFileA((directory + pattern).c_str(), &file));
    if (!search)
        return;
    do {
        // A directory named like a data file is not one.
        if (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        const FileStamp stamp{(uint64_t{file.ftLastWriteTime.dwHighDateTime} << 32) |
                                  file.ftLastWriteTime.dwLowDateTime,
                              (uint64_t{file.nFileSizeHigh} << 32) | file.nFileSizeLow};
        found(directory + file.cFileName, stamp);
    } while (FindNextFileA(search.Get(), &file));
}

} // namespace bndx
