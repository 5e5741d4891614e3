#include "editor/documents/mail_message_file.h"

#include "common/line_records.h"

namespace bndx {

namespace {

// The file order of the texts, shared by the writer and the reader so that they cannot disagree.
template <typename Message> auto FileOrder(Message& message) {
    return std::vector<decltype(&message.Name)>{&message.Name, &message.Address, &message.Subject, &message.Message};
}

} // namespace

std::vector<uint8_t> MailMessageFileBytes(const MailMessage& message) {
    std::vector<uint8_t> bytes;
    for (const std::string* text : FileOrder(message))
        AppendLineRecord(bytes, text->data(), text->size());
    return bytes;
}

MailMessage ReadMailMessageFile(const uint8_t* data, size_t size) {
    MailMessage message;
    LineRecordReader records(data, size);
    for (std::string* text : FileOrder(message)) {
        const char* record;
        size_t length;
        if (!records.Next(record, length))
            break;
        text->assign(record, length);
    }
    return message;
}

} // namespace bndx
