#include "tests/win/driver/settings_file.h"

#include "common/settings_location_win32.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

namespace bndx::e2e {

namespace {

const char kPutAside[] = ".before-e2e";

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace

SettingsFile::SettingsFile() {
    Win32SettingsLocationFacts machine;
    windowsFile_ = JoinPath(machine.WindowsDirectory(), kSettingsFileName);
    userFolder_ = JoinPath(machine.UserDataDirectory(), kPerUserFolderName);
    userFile_ = JoinPath(userFolder_, kSettingsFileName);
    userFolderExisted_ = machine.Exists(userFolder_);
    for (const std::string& file : {windowsFile_, userFile_})
        MoveFileExA(file.c_str(), (file + kPutAside).c_str(), MOVEFILE_REPLACE_EXISTING);
    path_ = SettingsFilePath();
}

SettingsFile::~SettingsFile() {
    for (const std::string& file : {windowsFile_, userFile_}) {
        DeleteFileA(file.c_str());
        MoveFileExA((file + kPutAside).c_str(), file.c_str(), 0);
    }
    std::error_code ignored;
    if (!userFolderExisted_)
        std::filesystem::remove_all(userFolder_, ignored); // with the Data folder a program made
}

void SettingsFile::Write(const std::string& text) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
}

void SettingsFile::Remove() const {
    DeleteFileA(path_.c_str());
}

std::string SettingsFile::Read(const std::string& section, const std::string& key) const {
    std::ifstream in(path_, std::ios::binary);
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (!line.empty() && line[0] == '[') {
            const size_t end = line.find(']');
            inSection = end != std::string::npos && SameName(Trim(line.substr(1, end - 1)), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (inSection && equals != std::string::npos && SameName(Trim(line.substr(0, equals)), key))
            return Trim(line.substr(equals + 1));
    }
    return kAbsent;
}

} // namespace bndx::e2e
