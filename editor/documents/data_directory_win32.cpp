#include "editor/documents/data_directory_win32.h"

#include "common/data_path_win32.h"
#include "editor/documents/save_location.h"
#include "platform/framework/message_box.h"
#include "platform/framework/program.h"

#include <windows.h>

namespace bndx {

namespace {

bool IsLetterOrDigit(char c) {
    return IsCharAlphaNumericA(c) != FALSE;
}

} // namespace

bool IsInDataDirectory(const std::string& chosenPath, const std::string& dataDirectory) {
    return IsInDataDirectory(chosenPath, dataDirectory, FoldFolderName);
}

std::string EditorDataDirectory() {
    return DataDirectoryFromPath(SettledDataPath(ProgramDirectory()));
}

bool MayReplaceInDataDirectory(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    return ShowProgramMessageBox(path + " already exists.\nDo you want to replace it?",
                                 MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

std::string ProposedSavePath(const std::string& description, const char* extension) {
    return EditorDataDirectory() + ProposedFileName(description, extension, IsLetterOrDigit);
}

} // namespace bndx
