#include "common/data_path_win32.h"

#include "common/settings_location_win32.h"

#include <windows.h>
#include <sddl.h>

#include <memory>

namespace bndx {

namespace {

constexpr char kSection[] = "Main";
constexpr char kKey[] = "Path";
// The longest Path the editor has always read.
constexpr DWORD kPathValueSize = 512;

// The running process's access token, closed with the scope.
class ProcessToken {
public:
    explicit ProcessToken(DWORD access = TOKEN_QUERY) {
        if (!OpenProcessToken(GetCurrentProcess(), access, &token_))
            token_ = nullptr;
    }
    ~ProcessToken() {
        if (token_)
            CloseHandle(token_);
    }
    ProcessToken(const ProcessToken&) = delete;
    ProcessToken& operator=(const ProcessToken&) = delete;
    HANDLE Get() const { return token_; }

private:
    HANDLE token_ = nullptr;
};

// The running user's security identifier as text ("S-1-5-21-..."); empty when it cannot be read.
std::string UserSidText() {
    const ProcessToken token;
    DWORD size = 0;
    if (!token.Get())
        return std::string();
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::unique_ptr<BYTE[]> buffer(new BYTE[size ? size : 1]);
    std::string text;
    if (size && GetTokenInformation(token.Get(), TokenUser, buffer.get(), size, &size)) {
        char* sid = nullptr;
        if (ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, &sid)) {
            text = sid;
            LocalFree(sid);
        }
    }
    return text;
}

// File virtualization switched off for the scope. A 32-bit program without a requested execution
// level, run by a user who may not write a protected folder, would otherwise "write" there into
// the user's VirtualStore, where neither other users, nor the 64-bit programs, nor the uninstaller
// find the file. Before Windows Vista there is no virtualization, and nothing to switch.
class VirtualizationOff {
public:
    VirtualizationOff() : token_(TOKEN_QUERY | TOKEN_ADJUST_DEFAULT) {
        DWORD enabled = 0, size = 0;
        if (token_.Get() &&
            GetTokenInformation(token_.Get(), TokenVirtualizationEnabled, &enabled, sizeof enabled, &size) && enabled)
            switched_ = Set(FALSE);
    }
    ~VirtualizationOff() {
        if (switched_)
            Set(TRUE);
    }
    VirtualizationOff(const VirtualizationOff&) = delete;
    VirtualizationOff& operator=(const VirtualizationOff&) = delete;

private:
    bool Set(DWORD enabled) {
        return SetTokenInformation(token_.Get(), TokenVirtualizationEnabled, &enabled, sizeof enabled) != FALSE;
    }

    ProcessToken token_;
    bool switched_ = false;
};

// Full control for the user alone, handed down to every file and folder made inside, and nothing
// taken from the folder above: add-ins in it are code Banderix loads, so no other user may write.
class PrivateFolderSecurity {
public:
    PrivateFolderSecurity() {
        const std::string sid = UserSidText();
        if (sid.empty())
            return;
        const std::string sddl = "D:P(A;OICI;FA;;;" + sid + ")";
        ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &descriptor_, nullptr);
    }
    ~PrivateFolderSecurity() {
        if (descriptor_)
            LocalFree(descriptor_);
    }
    PrivateFolderSecurity(const PrivateFolderSecurity&) = delete;
    PrivateFolderSecurity& operator=(const PrivateFolderSecurity&) = delete;

    // Null, and so the default security, when the user could not be named.
    SECURITY_ATTRIBUTES* Attributes() {
        if (!descriptor_)
            return nullptr;
        attributes_ = {sizeof(attributes_), descriptor_, FALSE};
        return &attributes_;
    }

private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
    SECURITY_ATTRIBUTES attributes_ = {};
};

} // namespace

std::string Win32DataPathFacts::ReadPath() {
    char value[kPathValueSize] = {};
    GetPrivateProfileStringA(kSection, kKey, "", value, sizeof value, settingsFile_.c_str());
    return value;
}

void Win32DataPathFacts::WritePath(const std::string& value) {
    WritePrivateProfileStringA(kSection, kKey, value.c_str(), settingsFile_.c_str());
}

bool Win32DataPathFacts::ProgramFolderWritable() {
    // Asked honestly, for the moment of one probe.
    const VirtualizationOff honest;
    Win32SettingsLocationFacts machine;
    return machine.CanCreateIn(programDirectory_);
}

std::string Win32DataPathFacts::UserDataDirectory() {
    Win32SettingsLocationFacts machine;
    return machine.UserDataDirectory();
}

void Win32DataPathFacts::MakePrivateFolder(const std::string& folder) {
    std::string path = folder;
    while (!path.empty() && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    if (path.empty() || GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return;
    const size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0 && path[slash - 1] != ':')
        MakePrivateFolder(path.substr(0, slash));
    PrivateFolderSecurity security;
    if (!CreateDirectoryA(path.c_str(), security.Attributes()) && security.Attributes())
        CreateDirectoryA(path.c_str(), nullptr);
}

std::string FoldFolderName(const std::string& name) {
    std::string upper = name;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

std::string SettledDataPath(const std::string& programDirectory) {
    Win32DataPathFacts facts(SettingsFilePath(), programDirectory);
    return SettlePath(facts, FoldFolderName);
}

} // namespace bndx
