#include "common/settings_location_win32.h"

#include "platform/framework/win32_handles.h"

#include <windows.h>
#include <shlobj.h>

namespace bndx {

std::string Win32SettingsLocationFacts::WindowsDirectory() {
    // The folder the profile functions use for a file named without one.
    char path[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

std::string Win32SettingsLocationFacts::UserDataDirectory() {
    char path[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

bool Win32SettingsLocationFacts::Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32SettingsLocationFacts::CanWrite(const std::string& file) {
    const UniqueFile opened(CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(opened);
}

bool Win32SettingsLocationFacts::CanCreateIn(const std::string& folder) {
    // Named after the process, so that both programs starting at once never share a probe.
    const std::string probe = JoinPath(folder, "Banderix-" + std::to_string(GetCurrentProcessId()) + ".tmp");
    const UniqueFile created(CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(created);
}

void Win32SettingsLocationFacts::MakeFolder(const std::string& folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
}

void Win32SettingsLocationFacts::CopyIfAbsent(const std::string& from, const std::string& to) {
    CopyFileA(from.c_str(), to.c_str(), TRUE);
}

std::string SettingsFilePath() {
    Win32SettingsLocationFacts facts;
    return ChooseSettingsFile(facts);
}

} // namespace bndx
