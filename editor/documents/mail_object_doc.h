// The mail message document (.bxm): the recipient, the subject and the message text. The
// document holds the texts; every window on it shows them and hands what is typed to it.
#pragma once

#include "editor/documents/mail_message_file.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/document.h"

namespace bndx {

class CMailObjectDoc : public Document {
public:
    static const RuntimeClass<Document> Class;

    const MailMessage& Texts() const { return texts_; }
    // Marks the document modified and has every view but sender show the texts.
    void SetTexts(const MailMessage& texts, View* sender);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

private:
    MailMessage texts_;
};

} // namespace bndx
