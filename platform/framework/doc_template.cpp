#include "platform/framework/doc_template.h"

#include "platform/framework/document.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/message_box.h"
#include "platform/framework/program.h"
#include "platform/framework/view.h"

namespace bndx {

MdiFrame* DocTemplate::mainFrame_ = nullptr;

DocTemplate::DocTemplate(UINT resourceId, RuntimeClass<Document> document, RuntimeClass<MdiChild> frame,
                         RuntimeClass<View> view)
    : resourceId_(resourceId), documentClass_(document), frameClass_(frame), viewClass_(view),
      docString_(LoadProgramString(resourceId)), menu_(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(resourceId))),
      icon_(LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(resourceId))) {}

DocTemplate::~DocTemplate() = default;

std::string DocTemplate::GetDocString(DocString field) const {
    size_t start = 0;
    for (int n = 0; n < field; ++n) {
        start = docString_.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return docString_.substr(start, docString_.find('\n', start) - start);
}

bool DocTemplate::MatchesExtension(const std::string& path) const {
    const std::string extension = GetDocString(kFilterExt);
    return !extension.empty() && path.size() >= extension.size() &&
           lstrcmpiA(path.c_str() + path.size() - extension.size(), extension.c_str()) == 0;
}

Document* DocTemplate::OpenDocumentFile(const std::string& path) {
    documents_.emplace_back(documentClass_.create());
    Document* document = documents_.back().get();
    document->template_ = this;
    // Without a frame the document has no view, and it has closed itself with the frame.
    MdiChild* frame = CreateNewFrame(*document);
    if (!frame)
        return nullptr;
    bool loaded;
    if (path.empty()) {
        document->SetTitle(GetDocString(kDocName) + std::to_string(++untitledCount_));
        loaded = document->OnNewDocument();
    } else {
        loaded = document->OnOpenDocument(path);
        if (loaded)
            document->SetPathName(path);
    }
    if (!loaded) {
        document->OnCloseDocument();
        return nullptr;
    }
    frame->InitialUpdate();
    return document;
}

MdiChild* DocTemplate::CreateNewFrame(Document& document) {
    MdiChild* frame = frameClass_.create();
    std::unique_ptr<View> view(viewClass_.create());
    view->AttachTo(document);
    if (!frame->Create(*mainFrame_, *this, std::move(view))) {
        delete frame;
        ShowProgramMessageBox("Failed to create empty document.", MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    return frame;
}

void DocTemplate::RemoveDocument(Document* document) {
    for (auto it = documents_.begin(); it != documents_.end(); ++it) {
        if (it->get() == document) {
            documents_.erase(it);
            return;
        }
    }
}

} // namespace bndx
