#include "platform/framework/doc_application.h"

#include "platform/framework/command_line.h"
#include "platform/framework/document.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/mdi_frame.h"
#include "platform/framework/new_type_dialog.h"
#include "platform/framework/printing.h"
#include "platform/framework/program.h"
#include "platform/framework/view.h"

namespace bndx {

DocApplication::DocApplication() = default;

DocApplication::~DocApplication() = default;

DocApplication& DocApplication::Current() {
    return static_cast<DocApplication&>(Application::Current());
}

void DocApplication::SetRegistryKey(const char* key) {
    profile_ = std::make_unique<RegistryProfile>(key, ApplicationName());
}

ProfileStore& DocApplication::Profile() {
    if (!profile_)
        profile_ = std::make_unique<RegistryProfile>(ProgramName(), ApplicationName());
    return *profile_;
}

void DocApplication::LoadStdProfileSettings(size_t recentFiles) {
    recentFiles_ = RecentFiles(recentFiles);
    recentFiles_.Load(Profile());
}

void DocApplication::AddToRecentFiles(const std::string& path) {
    recentFiles_.Add(path);
    recentFiles_.Save(Profile());
}

void DocApplication::UpdateRecentFileMenu(HMENU menu) {
    int position = -1;
    for (int n = GetMenuItemCount(menu); n-- > 0;) {
        const UINT id = GetMenuItemID(menu, n);
        if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
            DeleteMenu(menu, static_cast<UINT>(n), MF_BYPOSITION);
            position = n;
        }
    }
    if (position < 0)
        return;
    const std::vector<std::string>& entries = recentFiles_.Entries();
    if (entries.empty()) {
        InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FIRST,
                    "Recent File");
        return;
    }
    for (size_t n = 0; n < entries.size(); ++n)
        InsertMenuA(menu, static_cast<UINT>(position) + static_cast<UINT>(n), MF_BYPOSITION | MF_STRING,
                    ID_FILE_MRU_FIRST + n, recentFiles_.MenuText(n).c_str());
}

void DocApplication::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
    templates_.push_back(std::move(docTemplate));
}

void DocApplication::SetMainFrame(MdiFrame* frame) {
    frame_ = frame;
    MainWindow = frame ? frame->Handle() : nullptr;
}

void DocApplication::OnFileNew() {
    if (templates_.empty())
        return;
    if (templates_.size() == 1) {
        templates_.front()->OpenDocumentFile("");
        return;
    }
    std::vector<std::string> names;
    for (const auto& docTemplate : templates_)
        names.push_back(docTemplate->GetDocString(DocTemplate::kFileNewName));
    NewTypeDialog dialog(names);
    if (dialog.DoModal(MainWindow) != IDOK || dialog.Chosen() < 0)
        return;
    templates_[static_cast<size_t>(dialog.Chosen())]->OpenDocumentFile("");
}

void DocApplication::OnFileOpen() {
    std::vector<const DocTemplate*> templates;
    for (const auto& docTemplate : templates_)
        templates.push_back(docTemplate.get());
    std::string path;
    if (PromptForOpenFile(MainWindow, templates, path))
        OpenDocumentFile(path);
}

Document* DocApplication::OpenDocumentFile(const std::string& path) {
    if (templates_.empty())
        return nullptr;
    for (const auto& docTemplate : templates_) {
        for (const auto& document : docTemplate->Documents()) {
            if (lstrcmpiA(document->PathName().c_str(), path.c_str()) == 0 && document->FirstView()) {
                HWND frame = GetParent(document->FirstView()->Handle());
                SendMessageA(GetParent(frame), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(frame), 0);
                return document.get();
            }
        }
    }
    DocTemplate* chosen = templates_.front().get();
    for (const auto& docTemplate : templates_) {
        if (docTemplate->MatchesExtension(path)) {
            chosen = docTemplate.get();
            break;
        }
    }
    return chosen->OpenDocumentFile(path);
}

void DocApplication::OpenRecentFile(size_t index) {
    if (index >= recentFiles_.Entries().size())
        return;
    const std::string path = recentFiles_.Entries()[index];
    // A file that has gone leaves the list.
    if (!OpenDocumentFile(path)) {
        recentFiles_.Remove(index);
        recentFiles_.Save(Profile());
    }
}

bool DocApplication::ProcessShellCommand() {
    const std::string document = DocumentArgument(GetCommandLineA());
    if (!document.empty())
        return OpenDocumentFile(document) != nullptr;
    OnFileNew();
    return true;
}

bool DocApplication::HasModifiedDocuments() const {
    for (const auto& docTemplate : templates_)
        for (const auto& document : docTemplate->Documents())
            if (document->IsModified())
                return true;
    return false;
}

bool DocApplication::SaveAllModified() {
    for (const auto& docTemplate : templates_)
        for (const auto& document : docTemplate->Documents())
            if (!document->SaveModified())
                return false;
    return true;
}

void DocApplication::CloseAllDocuments() {
    for (const auto& docTemplate : templates_)
        while (!docTemplate->Documents().empty())
            docTemplate->Documents().front()->OnCloseDocument();
}

void DocApplication::UpdateFrameTitle() {
    if (frame_)
        frame_->UpdateTitle();
}

bool DocApplication::HasCommand(UINT id, bool& enabled) {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        enabled = id - ID_FILE_MRU_FIRST < recentFiles_.Entries().size();
        return true;
    }
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
        enabled = true;
        return true;
    default:
        return false;
    }
}

bool DocApplication::RunCommand(UINT id) {
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        OpenRecentFile(id - ID_FILE_MRU_FIRST);
        return true;
    }
    switch (id) {
    case ID_FILE_NEW:
        OnFileNew();
        return true;
    case ID_FILE_OPEN:
        OnFileOpen();
        return true;
    case ID_FILE_PRINT_SETUP:
        ShowPrintSetup(MainWindow);
        return true;
    case ID_APP_EXIT:
        SendMessageA(MainWindow, WM_CLOSE, 0, 0);
        return true;
    default:
        return false;
    }
}

bool DocApplication::PreTranslateMessage(MSG& message) {
    return frame_ && frame_->PreTranslateMessage(message);
}

void DocApplication::OnIdle() {
    if (frame_ && frame_->Handle())
        frame_->OnIdle();
}

} // namespace bndx
