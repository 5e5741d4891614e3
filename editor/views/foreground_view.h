// The form of a text foreground document: its description and, in a one-column list, the lines
// Banderix scrolls. The document holds both; the list holds only their number and asks for each
// line it draws, and every edit goes to the document, which has every window on it show it.
#pragma once

#include "editor/documents/foreground_doc.h"
#include "platform/framework/doc_template.h"
#include "editor/views/editor_form_view.h"

#include <string>

namespace bndx {

class CForegroundView : public EditorFormView {
public:
    static const RuntimeClass<View> Class;

    CForegroundView();

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, LPARAM hint) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Answers the list's requests for lines and takes its label edits: every edit may begin,
    // and the text typed is kept.
    bool OnNotify(const NMHDR& header, LRESULT& answer) override;
    void OnSize(int width, int height) override;

private:
    CForegroundDoc& Document() const;
    HWND List() const;
    // Has the list show the document's lines afresh, nothing selected.
    void ShowLines();
    void ShowDescription();
    void OnDescriptionChanged();
    void OnAdd();
    void OnDelete();
    void OnImport();
    void OnBeginLabelEdit();
    void OnEndLabelEdit(int item, const std::string* text);

    std::string m_strDescription;
    // Set while the members are shown in the controls: the changes that raises are not the user's.
    bool filling_ = false;
};

} // namespace bndx
