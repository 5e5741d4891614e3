// A document template ties one kind of document to its frame, its view and its resources (menu,
// icon and document string), and keeps the documents of that kind that are open.
#pragma once

#include "platform/framework/win32_handles.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace bndx {

class Document;
class MdiChild;
class MdiFrame;
class View;

// A class's name and a way to make an object of it.
template <class Base> struct RuntimeClass {
    const char* className;
    Base* (*create)();
};

class DocTemplate {
public:
    // The fields of the document string, separated by newlines in string resourceId.
    enum DocString { kWindowTitle, kDocName, kFileNewName, kFilterName, kFilterExt, kRegFileTypeId, kRegFileTypeName };

    DocTemplate(UINT resourceId, RuntimeClass<Document> document, RuntimeClass<MdiChild> frame,
                RuntimeClass<View> view);
    ~DocTemplate();
    DocTemplate(const DocTemplate&) = delete;
    DocTemplate& operator=(const DocTemplate&) = delete;

    std::string GetDocString(DocString field) const;
    HMENU Menu() const { return menu_.Get(); }
    HICON Icon() const { return icon_; }
    // Whether a file name ends in this template's extension, ignoring case.
    bool MatchesExtension(const std::string& path) const;

    // Opens the file in a new frame, or a new untitled document when path is empty; null when
    // that failed (the user has been told).
    Document* OpenDocumentFile(const std::string& path);
    // Another frame and view for an open document (Window > New Window).
    MdiChild* CreateNewFrame(Document& document);
    const std::vector<std::unique_ptr<Document>>& Documents() const { return documents_; }

    static void SetMainFrame(MdiFrame* frame) { mainFrame_ = frame; }
    static MdiFrame* MainFrame() { return mainFrame_; }

private:
    friend class Document;
    void RemoveDocument(Document* document);

    UINT resourceId_;
    RuntimeClass<Document> documentClass_;
    RuntimeClass<MdiChild> frameClass_;
    RuntimeClass<View> viewClass_;
    std::string docString_;
    UniqueMenu menu_;
    HICON icon_;
    int untitledCount_ = 0;
    std::vector<std::unique_ptr<Document>> documents_;
    static MdiFrame* mainFrame_;
};

} // namespace bndx
