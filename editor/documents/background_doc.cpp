#include "editor/documents/background_doc.h"

#include "platform/framework/message_box.h"
#include "platform/framework/replacing_file.h"
#include "platform/framework/win32_handles.h"

#include <cstring>
#include <utility>

namespace bndx {

namespace {

constexpr char kNewDescription[] = "New Background Doc";

} // namespace

const RuntimeClass<Document> CBackgroundDoc::Class{"CBackgroundDoc", []() -> Document* { return new CBackgroundDoc; }};

void CBackgroundDoc::Changed(LPARAM what, View* sender) {
    SetModifiedFlag();
    UpdateAllViews(sender, what);
}

void CBackgroundDoc::SetDescription(const std::string& text, View* sender) {
    std::memset(header_.Description, 0, kDescriptionFieldSize);
    std::strncpy(header_.Description, text.c_str(), kDescriptionFieldSize - 1);
    ReplaceControlCharacters(header_.Description); // pasted tabs and the like
    Changed(kDescriptionChanged, sender);
}

void CBackgroundDoc::SetColourIndex(uint8_t index, View* sender) {
    header_.ColourIndex = index;
    Changed(kColourChanged, sender);
}

void CBackgroundDoc::SetImage(UniqueDib dib) {
    dib_ = std::move(dib);
    Changed(kImageChanged, nullptr);
}

bool CBackgroundDoc::OnNewDocument() {
    if (!Document::OnNewDocument())
        return false;
    header_ = MakeBackgroundHeader(kNewDescription, 0);
    return true;
}

bool CBackgroundDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path))
        return false;
    // A file too short for its header starts from a new document's, so that it saves as a file
    // Banderix reads.
    header_ = MakeBackgroundHeader(kNewDescription, 0);
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return true; // an unreadable file opens as an empty background
    BackgroundFileHeader read{};
    DWORD size = 0;
    if (ReadFile(file.Get(), &read, sizeof read, &size, nullptr) && size == sizeof read) {
        header_ = read;
        dib_.Reset(ReadDIBFromFile(file.Get(), sizeof read));
    }
    // A description that fills its whole field still ends inside it.
    header_.Description[kDescriptionFieldSize - 1] = '\0';
    return true;
}

bool CBackgroundDoc::OnSaveDocument(const std::string& path) {
    if (!dib_) {
        ShowProgramMessageBox("An image needs to be selected before this Banderix Background can be saved.");
        return false;
    }
    ReplacingFile file(path);
    if (!file.IsOpen()) {
        ReportSaveFailure(path);
        return false;
    }
    // Whatever version the file came with, this program writes the one it knows.
    header_ = MakeBackgroundHeader(DescriptionOf(header_.Description), header_.ColourIndex);
    if (file.Write(&header_, sizeof header_) && !WriteDIBToFile(dib_.Get(), file.Handle()))
        file.Fail();
    if (!file.Commit()) {
        ReportSaveFailure(path);
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

} // namespace bndx
