// A text foreground document: the header of a .bxf file. Its lines live in its view's list while
// it is open, so opening hands them to the view and saving takes them back from it.
#pragma once

#include "common/file_headers.h"
#include "platform/framework/doc_template.h"
#include "editor/documents/data_file_document.h"

#include <string>

namespace bndx {

// What the document needs of the view that holds its lines: the lines it reads, in file order,
// handed over before the view is first shown, and the lines as they stand when it saves. The
// view shows the file's last line at the top (index 0).
class ForegroundLineHolder {
public:
    virtual void AddString(std::string text) = 0;
    virtual int GetStringCount() const = 0;
    virtual std::string GetString(int index) const = 0;

protected:
    ~ForegroundLineHolder() = default;
};

class CForegroundDoc : public DataFileDocument {
public:
    static const RuntimeClass<Document> Class;

    CForegroundDoc() : DataFileDocument(kForegroundFile) {}

    // The header the view edits in place.
    ForegroundFileHeader* GetHeader() { return &header_; }

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

protected:
    std::string Description() const override { return DescriptionOf(header_.Description); }

private:
    ForegroundLineHolder* Lines() const;

    ForegroundFileHeader header_{};
};

} // namespace bndx
