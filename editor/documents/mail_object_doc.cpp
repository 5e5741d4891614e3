#include "editor/documents/mail_object_doc.h"

#include "platform/framework/file_bytes.h"
#include "platform/framework/replacing_file.h"
#include "platform/framework/view.h"

namespace bndx {

namespace {

// Four records of a 16-bit length and at most that many bytes: anything longer is not ours.
constexpr size_t kLargestFile = 4 * (2 + 0xFFFF);

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
    const FileBytes file = ReadFileBytes(path, kLargestFile);
    form->Texts() = ReadMailMessageFile(file.bytes.data(), file.bytes.size());
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
