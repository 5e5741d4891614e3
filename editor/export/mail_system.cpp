#include "editor/export/mail_system.h"

#include "platform/framework/message_box.h"
#include "platform/framework/win32_handles.h"

#include <mapi.h>

namespace bndx {

namespace {

// Empty when the system directory cannot be found: then there is no mail system, rather than a
// bare name that the loader would look for anywhere.
std::string SystemMailLibrary() {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(folder, length) + "\\" + kMailLibraryName;
}

UniqueModule LoadMailLibrary(const std::string& path) {
    return UniqueModule(path.empty() ? nullptr : LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

// Keeps the user away from the owner while the mail system's dialogs run: they are modal to it,
// but a mail system may enable its owner between the logon and the send dialog, and a click
// there then would reach a document in the middle of being sent. Capturing the mouse keeps such
// clicks from the owner until the call returns.
class ModalToOwner {
public:
    explicit ModalToOwner(HWND owner) : owner_(owner ? GetAncestor(owner, GA_ROOT) : GetActiveWindow()) {
        if (!owner_)
            return;
        EnableWindow(owner_, FALSE);
        SetCapture(owner_);
        SetFocus(nullptr);
    }
    ~ModalToOwner() {
        if (!owner_)
            return;
        ReleaseCapture();
        EnableWindow(owner_, TRUE);
        SetActiveWindow(owner_);
        SetFocus(owner_);
    }
    ModalToOwner(const ModalToOwner&) = delete;
    ModalToOwner& operator=(const ModalToOwner&) = delete;
    HWND Window() const { return owner_; }

private:
    HWND owner_;
};

} // namespace

bool MailSystemPresent() {
    return MailSystemPresentAt(SystemMailLibrary());
}

void MailMessageProgram(HWND owner, const std::string& address, const std::string& subject,
                        const std::string& programPath) {
    MailMessageProgramThrough(SystemMailLibrary(), owner, address, subject, programPath);
}

bool MailSystemPresentAt(const std::string& libraryPath) {
    if (GetProfileIntA("MAIL", "MAPI", 0) == 0)
        return false;
    const DWORD attributes = libraryPath.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(libraryPath.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void MailMessageProgramThrough(const std::string& libraryPath, HWND owner, const std::string& address,
                               const std::string& subject, const std::string& programPath) {
    const UniqueModule library = LoadMailLibrary(libraryPath);
    if (!library) {
        ShowProgramMessageBox(kMailSystemNotLoaded);
        return;
    }
    const auto sendMail =
        reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "MAPISendMail")));
    if (!sendMail) {
        ShowProgramMessageBox(kMailSystemInvalid);
        return;
    }

    // The records name their texts through non-const pointers; these copies are what they point at.
    std::string path = programPath, fileName = kAttachmentName, recipient = address, subjectText = subject,
                note = kMailNoteText;
    MapiFileDesc attachment{};
    attachment.nPosition = static_cast<ULONG>(-1);
    attachment.lpszPathName = path.data();
    attachment.lpszFileName = fileName.data();
    MapiRecipDesc to{};
    to.ulRecipClass = MAPI_TO;
    to.lpszName = recipient.data();
    MapiMessage message{};
    message.lpszSubject = subjectText.data();
    message.lpszNoteText = note.data();
    message.nRecipCount = 1;
    message.lpRecips = &to;
    message.nFileCount = 1;
    message.lpFiles = &attachment;

    ULONG result;
    {
        const ModalToOwner modal(owner);
        result = sendMail(0, reinterpret_cast<ULONG_PTR>(modal.Window()), &message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    }
    if (result != SUCCESS_SUCCESS && result != MAPI_E_USER_ABORT && result != MAPI_E_LOGIN_FAILURE)
        ShowProgramMessageBox(kMailNotSent);
}

} // namespace bndx
