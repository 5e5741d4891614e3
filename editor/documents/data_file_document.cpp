#include "editor/documents/data_file_document.h"

#include "editor/documents/data_directory_win32.h"
#include "platform/framework/application.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/message_box.h"

namespace bndx {

bool DataFileDocument::SaveDocument() {
    if (PathName().empty())
        return SaveDocumentAs();
    return Document::SaveDocument();
}

bool DataFileDocument::SaveDocumentAs() {
    const std::string dataDirectory = EditorDataDirectory();
    std::string path = ProposedSavePath(Description(), kind_.Extension);
    if (!PromptForSaveFile(Application::Current().MainWindow, path, kind_.DialogExtension, kind_.Filter))
        return false;
    if (!IsInDataDirectory(path, dataDirectory)) {
        const bool yes =
            ShowProgramMessageBox(DataDirectoryQuestion(kind_, dataDirectory), MB_YESNO | MB_ICONQUESTION) == IDYES;
        const std::string answered = PathAfterAnswer(kind_, yes, path, dataDirectory);
        // The save dialog asked about replacing a file only in the folder the user picked.
        if (answered != path && !MayReplaceInDataDirectory(answered))
            return false;
        path = answered;
    }
    return OnSaveDocument(path);
}

} // namespace bndx
