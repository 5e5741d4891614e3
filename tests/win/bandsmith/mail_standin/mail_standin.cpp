// A stand-in mail system for the end-to-end tests. Registered as the default mail client, it
// receives what the system's MAPI32 forwards: every message is written to "outbox.txt" beside
// this library, one "field=value" line each, and every attachment is copied there under the
// name the message gives it, so that a test can read what would have been sent.
#include <windows.h>

#include <mapi.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace {

constexpr LHANDLE kSession = 0x5E55;

std::string OwnFolder() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnFolder), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string Text(const char* text) {
    return text ? text : "(none)";
}

} // namespace

extern "C" __declspec(dllexport) ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE session) {
    *session = kSession;
    return SUCCESS_SUCCESS;
}

extern "C" __declspec(dllexport) ULONG WINAPI MAPILogoff(LHANDLE, ULONG_PTR, FLAGS, ULONG) {
    return SUCCESS_SUCCESS;
}

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE session, ULONG_PTR owner, lpMapiMessage message, FLAGS flags, ULONG) {
    const std::string folder = OwnFolder();
    std::ofstream out(folder + "outbox.txt", std::ios::app);
    const HWND ownerWindow = reinterpret_cast<HWND>(owner);
    out << "session=" << session << "\n"
        << "owner=" << static_cast<uintptr_t>(owner) << "\n"
        << "owner.enabled=" << (IsWindowEnabled(ownerWindow) ? 1 : 0) << "\n"
        << "flags=" << flags << "\n"
        << "subject=" << Text(message->lpszSubject) << "\n"
        << "note=" << Text(message->lpszNoteText) << "\n"
        << "recipients=" << message->nRecipCount << "\n";
    for (ULONG n = 0; n < message->nRecipCount; ++n) {
        const MapiRecipDesc& to = message->lpRecips[n];
        out << "recipient.class=" << to.ulRecipClass << "\n"
            << "recipient.name=" << Text(to.lpszName) << "\n"
            << "recipient.address=" << Text(to.lpszAddress) << "\n";
    }
    out << "files=" << message->nFileCount << "\n";
    for (ULONG n = 0; n < message->nFileCount; ++n) {
        const MapiFileDesc& file = message->lpFiles[n];
        out << "file.name=" << Text(file.lpszFileName) << "\n"
            << "file.position=" << static_cast<long>(file.nPosition) << "\n";
        if (file.lpszPathName && file.lpszFileName)
            CopyFileA(file.lpszPathName, (folder + file.lpszFileName).c_str(), FALSE);
    }
    out << "end\n";
    return SUCCESS_SUCCESS;
}
