// A background document: the header of a .bxb file (description and default text colour) and
// its image. Every window on it shows them and changes them only through the document, which
// tells the other windows. Save As steers the file towards Banderix's data directory, where
// Banderix finds it.
#pragma once

#include "common/file_headers.h"
#include "platform/dib/dib_owners.h"
#include "platform/framework/doc_template.h"
#include "editor/documents/data_file_document.h"

namespace bndx {

class CBackgroundDoc : public DataFileDocument {
public:
    static const RuntimeClass<Document> Class;

    CBackgroundDoc() : DataFileDocument(kBackgroundFile) {}

    // What changed, handed to the views as the hint of UpdateAllViews.
    enum Change : LPARAM { kDescriptionChanged = 1, kColourChanged = 2, kImageChanged = 4 };

    const BackgroundFileHeader& Header() const { return header_; }
    // The image; none until the user sets one.
    HDIB Dib() const { return dib_.Get(); }

    // Each change below marks the document modified and has every view but sender show it.
    // The description is kept to its field and to one line.
    void SetDescription(const std::string& text, View* sender);
    void SetColourIndex(uint8_t index, View* sender);
    // Takes the image over, releasing the one before; none leaves the background without one.
    void SetImage(UniqueDib dib);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

protected:
    std::string Description() const override { return DescriptionOf(header_.Description); }

private:
    void Changed(LPARAM what, View* sender);

    UniqueDib dib_;
    BackgroundFileHeader header_{};
};

} // namespace bndx
