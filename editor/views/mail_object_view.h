// The form of a mail message: the recipient's name and address, the subject and the one line of
// text the message program scrolls over a caption, with Test and Mail to make the program.
#pragma once

#include "editor/documents/mail_object_doc.h"
#include "platform/framework/doc_template.h"
#include "editor/views/editor_form_view.h"

namespace bndx {

class CMailObjectView : public EditorFormView, public MailMessageForm {
public:
    static const RuntimeClass<View> Class;

    CMailObjectView();

    MailMessage& Texts() override { return texts_; }
    bool ExchangeTexts(bool save) override { return UpdateData(save); }

    // A further window on the document starts from the texts another one shows.
    void OnInitialUpdate() override;
    // Shows what was typed in another window on the document.
    void OnUpdate(View* sender, LPARAM hint) override;

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnSize(int width, int height) override;

private:
    // Called for Test: runs the message program here.
    void OnTest();
    // Called for Mail: sends the program, or offers to save it when there is no mail system.
    void OnMail();
    // Takes the texts from the controls and trims the message; false when nothing is left of it
    // (the user has been told).
    bool TakeMessage();
    void SaveAsProgram();
    // Called when the window is going: hands the texts on if this form held the document's.
    void OnDestroy();
    void ShowFieldsOf(const CMailObjectView& other);

    MailMessage texts_;
    // Set while the texts are put into the controls, whose change notices are then not edits.
    bool filling_ = false;
};

} // namespace bndx
