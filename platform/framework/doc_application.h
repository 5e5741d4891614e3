// The application object of a multiple-document program: its document templates, its profile
// in the registry with the recent-file list, File New and Open, the command line, and saving
// everything before the program ends.
#pragma once

#include "platform/framework/application.h"
#include "platform/framework/command_target.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/recent_files.h"
#include "platform/framework/registry_profile.h"

#include <memory>
#include <string>
#include <vector>

namespace bndx {

class Document;
class MdiFrame;

class DocApplication : public Application, public CommandTarget {
public:
    DocApplication();
    ~DocApplication() override;

    static DocApplication& Current();

    // The profile goes to HKEY_CURRENT_USER\Software\<key>\<application's name>.
    void SetRegistryKey(const char* key);
    ProfileStore& Profile();
    // Reads the recent-file list, which keeps that many entries.
    void LoadStdProfileSettings(size_t recentFiles);
    void AddToRecentFiles(const std::string& path);
    // Shows the recent files in a File menu in place of its "Recent File" entry or entries.
    void UpdateRecentFileMenu(HMENU menu);

    void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    const std::vector<std::unique_ptr<DocTemplate>>& Templates() const { return templates_; }
    void SetMainFrame(MdiFrame* frame);

    // File New: asks for the kind of document when there are several.
    void OnFileNew();
    void OnFileOpen();
    // Opens the file with the template of its extension (the first template when none
    // matches); an open document of that path is brought to the front instead.
    Document* OpenDocumentFile(const std::string& path);
    // Opens the document the command line names, or runs File New; false when that failed.
    bool ProcessShellCommand();

    bool HasModifiedDocuments() const;
    bool SaveAllModified();
    void CloseAllDocuments();
    void UpdateFrameTitle();

    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

protected:
    bool PreTranslateMessage(MSG& message) override;
    void OnIdle() override;

private:
    void OpenRecentFile(size_t index);

    std::vector<std::unique_ptr<DocTemplate>> templates_;
    std::unique_ptr<RegistryProfile> profile_;
    RecentFiles recentFiles_{0};
    MdiFrame* frame_ = nullptr;
};

} // namespace bndx
