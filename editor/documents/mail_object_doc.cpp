#include "editor/documents/mail_object_doc.h"

#include "platform/framework/replacing_file.h"
#include "platform/framework/view.h"

#include <windows.h>

#include <vector>

namespace bndx {

namespace {

// Four records of a 16-bit length and at most that many bytes: anything longer is not ours.
constexpr DWORD kLargestFile = 4 * (2 + 0xFFFF);

// What could be read of the file, up to kLargestFile bytes; empty when it cannot be read at all.
std::vector<uint8_t> ReadFileStart(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::vector<uint8_t> bytes(kLargestFile);
    DWORD total = 0, read = 0;
    while (total < kLargestFile && ReadFile(file, bytes.data() + total, kLargestFile - total, &read, nullptr) &&
           read > 0)
        total += read;
    CloseHandle(file);
    bytes.resize(total);
    return bytes;
}

} // namespace

const RuntimeClass<Document> CMailObjectDoc::Class{"CMailObjectDoc", []() -> Document* { return new CMailObjectDoc; }};

MailMessageForm* CMailObjectDoc::Form() const {
    return dynamic_cast<MailMessageForm*>(FirstView());
}

bool CMailObjectDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path))
        return false;
    MailMessageForm* form = Form();
    if (!form)
        return true;
    // A damaged or cut-off file shows what could be read of it rather than nothing.
    const std::vector<uint8_t> bytes = ReadFileStart(path);
    form->Texts() = ReadMailMessageFile(bytes.data(), bytes.size());
    form->ExchangeTexts(false);
    return true;
}

bool CMailObjectDoc::OnSaveDocument(const std::string& path) {
    MailMessageForm* form = Form();
    if (form && !form->ExchangeTexts(true))
        return false;
    const std::vector<uint8_t> bytes = MailMessageFileBytes(form ? form->Texts() : MailMessage{});
    // Written beside the old file and moved over it only when complete, so a failed save leaves
    // the user's last good copy in place.
    ReplacingFile file(path);
    if (!file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        ReportSaveFailure(path);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

} // namespace bndx
