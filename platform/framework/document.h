// A document: the data of one file, shown by one or more views in child frames. It knows its
// path, its title and whether it has unsaved changes, and asks before those are lost.
#pragma once

#include "platform/framework/command_target.h"

#include <string>
#include <vector>

namespace bndx {

class DocTemplate;
class View;

class Document : public CommandTarget {
public:
    Document() = default;
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Called to make the document new and empty; false when it cannot be.
    virtual bool OnNewDocument();
    // Called to load the file; the framework's part checks that the file can be opened (telling
    // the user when not) and empties the document.
    virtual bool OnOpenDocument(const std::string& path);
    // Called to write the file; true only when it was written in full.
    virtual bool OnSaveDocument(const std::string& path) = 0;
    // Closes every frame of the document; the document is deleted.
    void OnCloseDocument();

    // The Save command: to the current path, or as Save As when there is none. True when saved.
    virtual bool SaveDocument();
    // The Save As command: asks for a path and saves there. True when saved.
    virtual bool SaveDocumentAs();
    // Asks whether to save unsaved changes: false when the user cancels or saving failed.
    bool SaveModified();
    // Whether the frame may close: always when the document has other frames, else SaveModified.
    bool CanCloseFrame(HWND frame);

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }
    const std::string& PathName() const { return path_; }
    // The document's file; its title becomes the file's name and the file joins the recent list.
    void SetPathName(const std::string& path, bool addToRecentFiles = true);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    DocTemplate& Template() const { return *template_; }
    const std::vector<View*>& Views() const { return views_; }
    View* FirstView() const { return views_.empty() ? nullptr : views_.front(); }
    void UpdateAllViews(View* sender, LPARAM hint = 0);

    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

protected:
    // Called when the document is emptied for new contents.
    virtual void DeleteContents() {}
    // Writes the document to a path the user picks, starting from the proposed one.
    bool DoSave(const std::string& path);
    // Tells the user that the file could not be written; the document stays as it was.
    static void ReportSaveFailure(const std::string& path);

private:
    friend class DocTemplate;
    friend class View;
    void AddView(View* view);
    void RemoveView(View* view);
    void UpdateFrameTitles();

    DocTemplate* template_ = nullptr;
    std::vector<View*> views_;
    std::string path_;
    std::string title_;
    bool modified_ = false;
    bool closing_ = false;
};

} // namespace bndx
