#include "editor/documents/data_directory_win32.h"

#include "common/settings_location_win32.h"
#include "editor/documents/save_location.h"
#include "platform/framework/private_profile_file.h"

#include <windows.h>

namespace bndx {

namespace {

bool IsLetterOrDigit(char c) {
    return IsCharAlphaNumericA(c) != FALSE;
}

} // namespace

std::string EditorDataDirectory() {
    PrivateProfileFile settings(SettingsFilePath());
    return DataDirectoryFromPath(settings.ReadString("Main", "Path", ""));
}

std::string ProposedSavePath(const std::string& description, const char* extension) {
    return EditorDataDirectory() + ProposedFileName(description, extension, IsLetterOrDigit);
}

} // namespace bndx
