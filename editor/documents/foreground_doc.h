// A text foreground document: the header of a .bxf file and its lines. The document holds both;
// every window on it shows them and changes them only through the document, which tells the
// other windows.
#pragma once

#include "common/file_headers.h"
#include "platform/framework/doc_template.h"
#include "editor/documents/data_file_document.h"

#include <string>
#include <vector>

namespace bndx {

class CForegroundDoc : public DataFileDocument {
public:
    static const RuntimeClass<Document> Class;

    // What changed, handed to the views as the hint of UpdateAllViews.
    enum Change : LPARAM { kDescriptionChanged = 1, kLinesChanged = 2, kLineEdited = 4 };
    // A line is read back through a buffer of 512 characters, so no line grows longer.
    static constexpr size_t kLongestLine = 511;

    CForegroundDoc() : DataFileDocument(kForegroundFile) {}

    const ForegroundFileHeader& Header() const { return header_; }
    // The lines as the form lists them: the newest on top (index 0), which is the file's last.
    size_t LineCount() const { return lines_.size(); }
    const std::string& Line(size_t index) const { return lines_[lines_.size() - 1 - index]; }

    // Each change below marks the document modified and has every view but sender show it.
    // The description is kept to its field and to one line.
    void SetDescription(const std::string& text, View* sender);
    void AddLineAtTop(const std::string& text);
    void SetLine(size_t index, const std::string& text);
    // Removes the lines at these indexes; none at all still counts as a change.
    void RemoveLines(const std::vector<size_t>& indexes);
    // Replaces the description with a text file's first line and puts every further line that
    // is not blank, trimmed, at the top, so the file's last line ends up first. A file that
    // will not open, or has no line, changes nothing but the modified flag.
    void ImportText(const std::string& path);

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;

protected:
    std::string Description() const override { return DescriptionOf(header_.Description); }

private:
    void Changed(LPARAM what, View* sender = nullptr);
    void StoreDescription(const std::string& text);

    ForegroundFileHeader header_{};
    // In file order, the oldest first: a line added at the top is appended, and the file is
    // written as it stands.
    std::vector<std::string> lines_;
};

} // namespace bndx
