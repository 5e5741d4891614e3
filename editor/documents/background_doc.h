// A background document: the header of a .bxb file (description and default text colour) and
// its image. Save As steers the file towards Banderix's data directory, where Banderix finds it.
#pragma once

#include "common/file_headers.h"
#include "platform/dib/dibutil.h"
#include "platform/framework/doc_template.h"
#include "editor/documents/data_file_document.h"

namespace bndx {

class CBackgroundDoc : public DataFileDocument {
public:
    static const RuntimeClass<Document> Class;

    CBackgroundDoc() : DataFileDocument(kBackgroundFile) {}

    ~CBackgroundDoc() override;

    // The header the view edits in place.
    BackgroundFileHeader* GetHeader() { return &header_; }
    // The image; none until the user sets one.
    HDIB Dib() const { return dib_; }
    // Replaces the image, releasing the one before.
    void SetDib(HDIB dib);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

protected:
    std::string Description() const override { return DescriptionOf(header_.Description); }

private:
    HDIB dib_ = nullptr;
    BackgroundFileHeader header_{};
};

} // namespace bndx
