#include "platform/framework/document.h"

#include "platform/framework/doc_application.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/message_box.h"
#include "platform/framework/view.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

namespace {

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

} // namespace

Document::~Document() = default;

bool Document::OnNewDocument() {
    DeleteContents();
    path_.clear();
    modified_ = false;
    return true;
}

bool Document::OnOpenDocument(const std::string& path) {
    if (!UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr))) {
        ShowProgramMessageBox("Failed to open document.", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    DeleteContents();
    modified_ = false;
    return true;
}

void Document::ReportSaveFailure(const std::string& path) {
    ShowProgramMessageBox("Failed to save document " + path + ".", MB_OK | MB_ICONEXCLAMATION);
}

void Document::SetPathName(const std::string& path, bool addToRecentFiles) {
    path_ = path;
    SetTitle(FileNameOf(path));
    if (addToRecentFiles)
        DocApplication::Current().AddToRecentFiles(path);
}

void Document::SetTitle(const std::string& title) {
    title_ = title;
    UpdateFrameTitles();
}

void Document::UpdateFrameTitles() {
    for (size_t n = 0; n < views_.size(); ++n) {
        HWND frame = GetParent(views_[n]->Handle());
        if (!frame)
            continue;
        // Several windows on one document are told apart by a number after the title.
        const std::string title = views_.size() > 1 ? title_ + ":" + std::to_string(n + 1) : title_;
        SetWindowTextA(frame, title.c_str());
    }
    DocApplication::Current().UpdateFrameTitle();
}

void Document::UpdateAllViews(View* sender, LPARAM hint) {
    for (View* view : views_)
        if (view != sender)
            view->OnUpdate(sender, hint);
}

bool Document::DoSave(const std::string& path) {
    std::string chosen = path;
    if (chosen.empty()) {
        chosen = path_.empty() ? title_ : path_;
        if (!PromptForSaveFile(Template(), chosen))
            return false;
    }
    if (!OnSaveDocument(chosen))
        return false;
    SetPathName(chosen);
    SetModifiedFlag(false);
    return true;
}

bool Document::SaveDocument() {
    return DoSave(path_);
}

bool Document::SaveDocumentAs() {
    return DoSave("");
}

bool Document::SaveModified() {
    if (!modified_)
        return true;
    const int answer = ShowProgramMessageBox("Save changes to " + title_ + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDNO)
        return true;
    return SaveDocument() && !modified_;
}

bool Document::CanCloseFrame(HWND frame) {
    for (View* view : views_)
        if (GetParent(view->Handle()) != frame)
            return true;
    return SaveModified();
}

void Document::OnCloseDocument() {
    closing_ = true;
    // Each frame owns its view; destroying the frames takes the views away one by one.
    const std::vector<View*> views = views_;
    for (View* view : views)
        DestroyChildFrame(GetParent(view->Handle()));
    template_->RemoveDocument(this);
}

void Document::AddView(View* view) {
    views_.push_back(view);
}

void Document::RemoveView(View* view) {
    for (auto it = views_.begin(); it != views_.end(); ++it) {
        if (*it == view) {
            views_.erase(it);
            break;
        }
    }
    if (views_.empty() && !closing_)
        OnCloseDocument();
    else if (!closing_)
        UpdateFrameTitles();
}

bool Document::HasCommand(UINT id, bool& enabled) {
    switch (id) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_CLOSE:
        enabled = true;
        return true;
    default:
        return false;
    }
}

bool Document::RunCommand(UINT id) {
    switch (id) {
    case ID_FILE_SAVE:
        SaveDocument();
        return true;
    case ID_FILE_SAVE_AS:
        SaveDocumentAs();
        return true;
    case ID_FILE_CLOSE:
        if (SaveModified())
            OnCloseDocument();
        return true;
    default:
        return false;
    }
}

} // namespace bndx
