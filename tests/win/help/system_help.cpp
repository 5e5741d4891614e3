#include "tests/win/help/system_help.h"

#include "tests/win/desktop.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <fstream>

namespace bndx::e2e {

namespace {

constexpr char kStandInFile[] = "hhctrl_standin.dll";
constexpr const char* kPrograms[] = {"Banderix.exe", "Bandsmith.exe"};

std::string OverridesKey(const char* program) {
    return std::string("Software\\Wine\\AppDefaults\\") + program + "\\DllOverrides";
}

// Wine's load order for the library in the programs under test: "native" takes the file in the
// system folder, "" refuses to load any.
void SetLoadOrder(const char* order) {
    for (const char* program : kPrograms) {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, OverridesKey(program).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            continue;
        RegSetValueExA(key, "hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>(order),
                       static_cast<DWORD>(strlen(order) + 1));
        RegCloseKey(key);
    }
}

} // namespace

SystemHelp::SystemHelp(Kind kind) {
    char folder[MAX_PATH] = {};
    GetSystemDirectoryA(folder, MAX_PATH);
    library_ = std::string(folder) + "\\hhctrl.ocx";
    saved_ = record_ / "hhctrl.ocx.saved";
    SetEnvironmentVariableA("BNDX_HELP_RECORD", (record_ / "requests.txt").c_str());
    if (kind == kMissing) {
        SetLoadOrder("");
        installed_ = true;
        return;
    }
    if (!CopyFileA(library_.c_str(), saved_.c_str(), FALSE) ||
        !CopyFileA(test::TestProgramPath(kStandInFile).c_str(), library_.c_str(), FALSE))
        return;
    SetLoadOrder("native");
    installed_ = true;
}

SystemHelp::~SystemHelp() {
    for (const char* program : kPrograms)
        SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\Wine\\AppDefaults\\") + program).c_str());
    // A program still holding the stand-in keeps the file from being replaced; it is on its way out.
    if (GetFileAttributesA(saved_.c_str()) != INVALID_FILE_ATTRIBUTES &&
        !test::WaitFor([this] { return CopyFileA(saved_.c_str(), library_.c_str(), FALSE) != FALSE; }, 10000))
        ADD_FAILURE() << "could not put back " << library_ << "; the prefix's HTML Help is the stand-in now";
    SetEnvironmentVariableA("BNDX_HELP_RECORD", nullptr);
}

std::vector<HelpRequest> SystemHelp::WaitForRequests(size_t count, DWORD timeoutMs) const {
    std::vector<HelpRequest> requests;
    test::WaitFor(
        [&] {
            requests.clear();
            std::ifstream in(record_ / "requests.txt");
            HelpRequest request;
            for (std::string line; std::getline(in, line);) {
                if (line == "end") {
                    requests.push_back(request);
                    request.clear();
                    continue;
                }
                const size_t equals = line.find('=');
                if (equals != std::string::npos)
                    request[line.substr(0, equals)] = line.substr(equals + 1);
            }
            return requests.size() >= count;
        },
        timeoutMs);
    return requests;
}

} // namespace bndx::e2e
