#include "editor/documents/mail_object_doc.h"

#include "platform/framework/file_bytes.h"
#include "platform/framework/replacing_file.h"

namespace bndx {

namespace {

// Four records of a 16-bit length and at most that many bytes: anything longer is not ours.
constexpr size_t kLargestFile = 4 * (2 + 0xFFFF);

} // namespace

const RuntimeClass<Document> CMailObjectDoc::Class{"CMailObjectDoc", []() -> Document* { return new CMailObjectDoc; }};

void CMailObjectDoc::SetTexts(const MailMessage& texts, View* sender) {
    texts_ = texts;
    SetModifiedFlag();
    UpdateAllViews(sender);
}

bool CMailObjectDoc::OnNewDocument() {
    if (!Document::OnNewDocument())
        return false;
    texts_ = MailMessage{};
    return true;
}

bool CMailObjectDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path))
        return false;
    // A damaged or cut-off file shows what could be read of it rather than nothing.
    const FileBytes file = ReadFileBytes(path, kLargestFile);
    texts_ = ReadMailMessageFile(file.bytes.data(), file.bytes.size());
    return true;
}

bool CMailObjectDoc::OnSaveDocument(const std::string& path) {
    const std::vector<uint8_t> bytes = MailMessageFileBytes(texts_);
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
