#include "platform/framework/registry_profile.h"

#include "platform/framework/win32_handles.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace bndx {

namespace {

// A section's key, opened for reading or made for writing; none when that failed.
UniqueRegKey SectionKey(const std::string& path, bool create) {
    HKEY key = nullptr;
    const LONG result =
        create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)
               : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return UniqueRegKey(result == ERROR_SUCCESS ? key : nullptr);
}

} // namespace

RegistryProfile::RegistryProfile(const std::string& registryKey, const std::string& programName)
    : path_("Software\\" + registryKey + "\\" + programName) {}

std::string RegistryProfile::ReadString(const char* section, const char* key, const std::string& defaultValue) {
    const UniqueRegKey opened = SectionKey(path_ + "\\" + section, false);
    DWORD type = 0;
    DWORD size = 0;
    if (!opened.Get() || RegQueryValueExA(opened.Get(), key, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return defaultValue;
    std::vector<char> text(size + 1, '\0');
    if (RegQueryValueExA(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return text.data();
}

int32_t RegistryProfile::ReadInt(const char* section, const char* key, int32_t defaultValue) {
    const UniqueRegKey opened = SectionKey(path_ + "\\" + section, false);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (opened.Get() &&
        RegQueryValueExA(opened.Get(), key, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
        type == REG_DWORD)
        return static_cast<int32_t>(value);
    // A number written as text (by hand, say) still counts.
    const std::string text = ReadString(section, key, "");
    return text.empty() ? defaultValue : static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

std::vector<ProfileEntry> RegistryProfile::ReadSection(const char* section) {
    std::vector<ProfileEntry> entries;
    const UniqueRegKey opened = SectionKey(path_ + "\\" + section, false);
    DWORD longestName = 0, longestValue = 0;
    if (!opened.Get() || RegQueryInfoKeyA(opened.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                          &longestName, &longestValue, nullptr, nullptr) != ERROR_SUCCESS)
        return entries;
    std::vector<char> name(longestName + 1), value(longestValue + 1);
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = static_cast<DWORD>(name.size()), valueSize = longestValue, type = 0;
        const LONG result = RegEnumValueA(opened.Get(), index, name.data(), &nameSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(value.data()), &valueSize);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS)
            continue;
        std::string key(name.data(), nameSize);
        if (type == REG_SZ)
            entries.push_back({std::move(key), std::string(value.data(), strnlen(value.data(), valueSize))});
        else if (type == REG_DWORD && valueSize == sizeof(DWORD))
            entries.push_back({std::move(key), std::to_string(*reinterpret_cast<const int32_t*>(value.data()))});
    }
    return entries;
}

void RegistryProfile::WriteString(const char* section, const char* key, const std::string& value) {
    const UniqueRegKey created = SectionKey(path_ + "\\" + section, true);
    if (created.Get())
        RegSetValueExA(created.Get(), key, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
}

void RegistryProfile::WriteInt(const char* section, const char* key, int32_t value) {
    const UniqueRegKey created = SectionKey(path_ + "\\" + section, true);
    const DWORD stored = static_cast<DWORD>(value);
    if (created.Get())
        RegSetValueExA(created.Get(), key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), sizeof stored);
}

} // namespace bndx
