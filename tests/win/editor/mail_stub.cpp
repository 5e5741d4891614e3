// A stand-in for the platform's mail library: describes the MAPISendMail call it receives in one
// line of text and answers with the result the test chose.
#include <windows.h>

#include <mapi.h>

#include <cstdio>

namespace {

char g_record[2048];
ULONG g_result;

} // namespace

extern "C" __declspec(dllexport) const char* MailStubRecord() {
    return g_record;
}

extern "C" __declspec(dllexport) void MailStubAnswer(ULONG result) {
    g_result = result;
}

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendMail(LHANDLE session, ULONG_PTR ownerHandle, lpMapiMessage message, FLAGS flags, ULONG) {
    const HWND owner = reinterpret_cast<HWND>(ownerHandle);
    char title[64] = "";
    GetWindowTextA(owner, title, sizeof title);
    const MapiRecipDesc& to = message->lpRecips[0];
    const MapiFileDesc& file = message->lpFiles[0];
    std::snprintf(g_record, sizeof g_record,
                  "session %d, owner \"%s\" %s, flags %lu, subject \"%s\", note \"%s\", %lu recipient: class %lu, "
                  "name \"%s\", %s; %lu file: \"%s\" as \"%s\" at %ld",
                  static_cast<int>(session), title, IsWindowEnabled(owner) ? "enabled" : "disabled", flags,
                  message->lpszSubject, message->lpszNoteText, message->nRecipCount, to.ulRecipClass, to.lpszName,
                  to.lpszAddress ? "an address" : "no address", message->nFileCount, file.lpszPathName,
                  file.lpszFileName, static_cast<long>(file.nPosition));
    return g_result;
}
