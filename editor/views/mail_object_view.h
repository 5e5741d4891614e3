// The form of a mail message: the recipient's name and address, the subject and the one line of
// text the message program scrolls over a caption, with Test and Mail to make the program.
#pragma once

#include "editor/documents/mail_object_doc.h"
#include "platform/framework/doc_template.h"
#include "editor/views/editor_form_view.h"

namespace bndx {

class CMailObjectView : public EditorFormView {
public:
    static const RuntimeClass<View> Class;

    CMailObjectView();

    void OnInitialUpdate() override;
    // Shows the document's texts, as another window on it changed them.
    void OnUpdate(View* sender, LPARAM hint) override;

protected:
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void OnSize(int width, int height) override;

private:
    CMailObjectDoc& Document() const;
    // Called for Test: runs the message program here.
    void OnTest();
    // Called for Mail: sends the program, or offers to save it when there is no mail system.
    void OnMail();
    // The message trimmed; empty when nothing is left of it (the user has been told).
    std::string TakeMessage() const;
    void SaveAsProgram(const std::string& message);

    // Set while the texts are put into the controls, whose change notices are then not edits.
    bool filling_ = false;
};

} // namespace bndx
