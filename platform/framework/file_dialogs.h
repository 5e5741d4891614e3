// The platform's Open and Save As dialogs with filters written the framework's way:
// "Name (*.ext)|*.ext|" pairs separated by bars.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx {

class DocTemplate;

// Asks for a file to save, starting from path (replaced by the choice); false on Cancel. The
// dialog prompts before overwriting and refuses read-only files.
bool PromptForSaveFile(HWND owner, std::string& path, const char* defaultExtension, const std::string& filter);

// Save As for a document of the template: its filter, its extension.
bool PromptForSaveFile(const DocTemplate& docTemplate, std::string& path);

// Asks for an existing file to open, with the given filter; false on Cancel.
bool PromptForOpenFile(HWND owner, std::string& path, const char* defaultExtension, const std::string& filter);

// Open: every template's filter in the order given, then all files; false on Cancel.
bool PromptForOpenFile(HWND owner, const std::vector<const DocTemplate*>& templates, std::string& path);

} // namespace bndx
