// The form of a text foreground document: its description and, in a one-column list, the lines
// Banderix scrolls. The form holds the lines while the document is open; every window on the
// document shows the same lines, so closing any one of them loses nothing.
#pragma once

#include "common/file_headers.h"
#include "editor/documents/foreground_doc.h"
#include "platform/framework/doc_template.h"
#include "editor/views/editor_form_view.h"

#include <string>
#include <vector>

namespace bndx {

class CForegroundView : public EditorFormView, public ForegroundLineHolder {
public:
    static const RuntimeClass<View> Class;

    CForegroundView();

    // Takes a line read from the file; it is shown from the initial update on.
    void AddString(std::string text) override;
    int GetStringCount() const override;
    // The line at index, 0 being the top one.
    std::string GetString(int index) const override;

    // Replaces the description with the file's first line and puts every further line that is
    // not blank, trimmed, at the top of the list, so the file's last line ends up first.
    void ImportStrings(const std::string& path);

    void OnInitialUpdate() override;
    void OnUpdate(View* sender, LPARAM hint) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    // Takes the list's label edits: every edit may begin, and the text typed is kept.
    bool OnNotify(const NMHDR& header, LRESULT& answer) override;
    void OnSize(int width, int height) override;

private:
    CForegroundDoc& Document() const;
    HWND List() const;
    void InsertAtTop(const std::string& text);
    // Has the list show lines_ afresh, nothing selected.
    void ShowLines();
    void ShowDescription();
    void CopyDescriptionToHeader();
    void CopyStringsFrom(const CForegroundView& other);
    void TellOtherViews();
    void OnDescriptionChanged();
    void OnAdd();
    void OnDelete();
    void OnImport();
    void OnBeginLabelEdit();
    void OnEndLabelEdit(int item, const std::string* text);

    std::string m_strDescription;
    ForegroundFileHeader* m_pHeader = nullptr;
    std::vector<std::string> PendingStrings;
    // The lines as the list shows them, the top one first; the list itself holds only their number.
    std::vector<std::string> lines_;
    // Set while the members are shown in the controls: the changes that raises are not the user's.
    bool filling_ = false;
};

} // namespace bndx
