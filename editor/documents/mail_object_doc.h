// The mail message document (.bxm): the recipient, the subject and the message text. The texts
// live in the form of the document's first window, which the document fills and reads.
#pragma once

#include "editor/documents/mail_message_file.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/document.h"

namespace bndx {

// What the document needs of the form that holds its texts. Kept here so that documents do not
// depend on the views that show them.
class MailMessageForm {
public:
    virtual MailMessage& Texts() = 0;
    // Moves the texts between the controls and Texts(), into Texts() when save is set; false
    // when the controls' values were refused (the user has been told).
    virtual bool ExchangeTexts(bool save) = 0;

protected:
    ~MailMessageForm() = default;
};

class CMailObjectDoc : public Document {
public:
    static const RuntimeClass<Document> Class;

    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

private:
    MailMessageForm* Form() const;
};

} // namespace bndx
