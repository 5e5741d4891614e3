#include "editor/documents/background_doc.h"

#include "platform/framework/message_box.h"
#include "platform/framework/replacing_file.h"
#include "platform/framework/win32_handles.h"

namespace bndx {

namespace {

constexpr char kNewDescription[] = "New Background Doc";

} // namespace

const RuntimeClass<Document> CBackgroundDoc::Class{"CBackgroundDoc", []() -> Document* { return new CBackgroundDoc; }};

CBackgroundDoc::~CBackgroundDoc() {
    SetDib(nullptr);
}

void CBackgroundDoc::SetDib(HDIB dib) {
    if (dib_ && dib_ != dib)
        DestroyDIB(dib_);
    dib_ = dib;
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
    header_ = BackgroundFileHeader{};
    const UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return true; // an unreadable file opens as an empty background
    DWORD read = 0;
    if (ReadFile(file.Get(), &header_, sizeof header_, &read, nullptr) && read == sizeof header_)
        SetDib(ReadDIBFromFile(file.Get(), sizeof header_));
    else
        header_ = BackgroundFileHeader{};
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
    header_.Checksum = DescriptionChecksum(DescriptionOf(header_.Description));
    if (file.Write(&header_, sizeof header_) && !WriteDIBToFile(dib_, file.Handle()))
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
