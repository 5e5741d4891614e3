#include "platform/framework/file_dialogs.h"

#include "platform/framework/application.h"
#include "platform/framework/doc_template.h"

#include <commdlg.h>

namespace bndx {

namespace {

constexpr char kAllFilesFilter[] = "All Files (*.*)|*.*|";

// The dialog's form: pairs separated by NULs, ended by two.
std::string DialogFilter(const std::string& barred) {
    std::string filter = barred;
    for (char& c : filter)
        if (c == '|')
            c = '\0';
    filter += '\0';
    return filter;
}

std::string TemplateFilter(const DocTemplate& docTemplate) {
    const std::string name = docTemplate.GetDocString(DocTemplate::kFilterName);
    const std::string extension = docTemplate.GetDocString(DocTemplate::kFilterExt);
    if (name.empty() || extension.empty())
        return {};
    return name + "|*" + extension + "|";
}

bool RunFileDialog(bool save, HWND owner, std::string& path, const char* defaultExtension, const std::string& filter,
                   DWORD flags) {
    char file[MAX_PATH] = {};
    lstrcpynA(file, path.c_str(), MAX_PATH);
    const std::string dialogFilter = DialogFilter(filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = dialogFilter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = flags | OFN_EXPLORER | OFN_LONGNAMES;
    if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)))
        return false;
    path = file;
    return true;
}

} // namespace

bool PromptForSaveFile(HWND owner, std::string& path, const char* defaultExtension, const std::string& filter) {
    return RunFileDialog(true, owner, path, defaultExtension, filter,
                         OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN | OFN_PATHMUSTEXIST);
}

bool PromptForSaveFile(const DocTemplate& docTemplate, std::string& path) {
    std::string extension = docTemplate.GetDocString(DocTemplate::kFilterExt);
    if (!extension.empty() && extension[0] == '.')
        extension.erase(0, 1);
    // A title may hold characters a file name cannot have; they are offered as underscores.
    for (char& c : path)
        if (c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|')
            c = '_';
    return PromptForSaveFile(DialogOwner(), path, extension.c_str(), TemplateFilter(docTemplate) + kAllFilesFilter);
}

bool PromptForOpenFile(HWND owner, std::string& path, const char* defaultExtension, const std::string& filter) {
    return RunFileDialog(false, owner, path, defaultExtension, filter, OFN_FILEMUSTEXIST);
}

bool PromptForOpenFile(HWND owner, const std::vector<const DocTemplate*>& templates, std::string& path) {
    std::string filter;
    for (const DocTemplate* docTemplate : templates)
        filter += TemplateFilter(*docTemplate);
    filter += kAllFilesFilter;
    return RunFileDialog(false, owner, path, nullptr, filter, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
}

} // namespace bndx
