#include "tests/win/bandsmith/mail_client.h"

#include "tests/win/desktop.h"

#include <shlwapi.h>

#include <fstream>

namespace bndx::e2e {

namespace {

constexpr char kClientsKey[] = "Software\\Clients\\Mail";
constexpr char kClientName[] = "Bandsmith Test Mail";
constexpr char kStandInFile[] = "mail_standin.dll";
// Nothing a profile could hold: tells an absent key from an empty one.
constexpr char kNoValue[] = "\x01";

bool ReadDefault(HKEY key, std::string& value) {
    char text[MAX_PATH] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(key, nullptr, nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return false;
    value = text;
    return true;
}

void SetString(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

} // namespace

StandInMailClient::StandInMailClient(const char* mapiKey) {
    char previous[64] = {};
    GetProfileStringA("MAIL", "MAPI", kNoValue, previous, sizeof previous);
    hadMapiKey_ = std::string(previous) != kNoValue;
    previousMapiKey_ = previous;
    WriteProfileStringA("MAIL", "MAPI", mapiKey);

    const std::string library = outbox_ / kStandInFile;
    HKEY clients = nullptr;
    if (!CopyFileA(test::TestProgramPath(kStandInFile).c_str(), library.c_str(), FALSE) ||
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kClientsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &clients, nullptr) !=
            ERROR_SUCCESS)
        return;
    hadClient_ = ReadDefault(clients, previousClient_);
    HKEY client = nullptr;
    if (RegCreateKeyExA(clients, kClientName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &client, nullptr) ==
        ERROR_SUCCESS) {
        SetString(client, "DLLPath", library);
        SetString(clients, nullptr, kClientName);
        RegCloseKey(client);
        registered_ = true;
    }
    RegCloseKey(clients);
}

StandInMailClient::~StandInMailClient() {
    WriteProfileStringA("MAIL", "MAPI", hadMapiKey_ ? previousMapiKey_.c_str() : nullptr);
    HKEY clients = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClientsKey, 0, KEY_ALL_ACCESS, &clients) == ERROR_SUCCESS) {
        SHDeleteKeyA(clients, kClientName);
        if (hadClient_)
            SetString(clients, nullptr, previousClient_);
        else
            RegDeleteValueA(clients, nullptr);
        RegCloseKey(clients);
    }
}

MailRecord StandInMailClient::WaitForMessage(DWORD timeoutMs) const {
    MailRecord record;
    const bool complete = test::WaitFor(
        [&] {
            record.clear();
            std::ifstream in(outbox_ / "outbox.txt");
            std::string line;
            while (std::getline(in, line)) {
                if (line == "end")
                    return true;
                const size_t equals = line.find('=');
                if (equals != std::string::npos)
                    record[line.substr(0, equals)] = line.substr(equals + 1);
            }
            return false;
        },
        timeoutMs);
    return complete ? record : MailRecord{};
}

} // namespace bndx::e2e
