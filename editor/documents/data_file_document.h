// A document Banderix reads from its data directory (a background or a text foreground): it is
// saved there under a name made from its description, and the user is asked when picking another
// folder.
#pragma once

#include "editor/documents/save_location.h"
#include "platform/framework/document.h"

#include <string>

namespace bndx {

class DataFileDocument : public Document {
public:
    // Save As until the document has a file.
    bool SaveDocument() override;
    bool SaveDocumentAs() override;

protected:
    explicit DataFileDocument(const DataFileKind& kind) : kind_(kind) {}
    // What the proposed file name is made from.
    virtual std::string Description() const = 0;

private:
    const DataFileKind& kind_;
};

} // namespace bndx
