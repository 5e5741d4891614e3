#include "editor/documents/foreground_doc.h"

#include "common/line_records.h"
#include "editor/documents/foreground_import.h"
#include "editor/documents/foreground_lines.h"
#include "platform/framework/file_bytes.h"
#include "platform/framework/message_box.h"
#include "platform/framework/replacing_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace bndx {

namespace {

constexpr char kNewDescription[] = "New Foreground Doc";

std::string Bounded(const std::string& line) {
    return line.size() > CForegroundDoc::kLongestLine ? line.substr(0, CForegroundDoc::kLongestLine) : line;
}

} // namespace

const RuntimeClass<Document> CForegroundDoc::Class{"CForegroundDoc", []() -> Document* { return new CForegroundDoc; }};

void CForegroundDoc::Changed(LPARAM what, View* sender) {
    SetModifiedFlag();
    UpdateAllViews(sender, what);
}

void CForegroundDoc::StoreDescription(const std::string& text) {
    std::memset(header_.Description, 0, kDescriptionFieldSize);
    std::strncpy(header_.Description, text.c_str(), kDescriptionFieldSize - 1);
    ReplaceControlCharacters(header_.Description); // pasted tabs and the like
}

void CForegroundDoc::SetDescription(const std::string& text, View* sender) {
    StoreDescription(text);
    Changed(kDescriptionChanged, sender);
}

void CForegroundDoc::AddLineAtTop(const std::string& text) {
    lines_.push_back(Bounded(text));
    Changed(kLinesChanged);
}

void CForegroundDoc::SetLine(size_t index, const std::string& text) {
    if (index >= lines_.size())
        return;
    lines_[lines_.size() - 1 - index] = Bounded(text);
    Changed(kLineEdited);
}

void CForegroundDoc::RemoveLines(const std::vector<size_t>& indexes) {
    std::vector<bool> gone(lines_.size());
    for (size_t index : indexes)
        if (index < lines_.size())
            gone[lines_.size() - 1 - index] = true;
    // Each line is looked at in its own place, before anything moves into it.
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [&](const std::string& line) { return gone[&line - lines_.data()]; }),
                 lines_.end());
    Changed(kLinesChanged);
}

void CForegroundDoc::ImportText(const std::string& path) {
    SetModifiedFlag();
    // Imported text becomes a foreground's lines, so it is held to a foreground file's size. A
    // read that fails part-way keeps what came before.
    const FileBytes file = ReadFileBytes(path, kLargestForegroundFile);
    if (!file.opened)
        return;
    const ImportedText imported = ParseImportedText(std::string(file.bytes.begin(), file.bytes.end()));
    if (!imported.Description)
        return;
    StoreDescription(*imported.Description);
    // Appended in the file's order, the last of them is the newest, shown on top.
    for (const std::string& line : imported.Lines)
        lines_.push_back(Bounded(line));
    Changed(kDescriptionChanged | kLinesChanged);
}

bool CForegroundDoc::OnNewDocument() {
    if (!Document::OnNewDocument())
        return false;
    header_ = MakeForegroundHeader(kNewDescription, 0);
    lines_.clear();
    return true;
}

bool CForegroundDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path))
        return false;
    FileBytes file = ReadFileBytes(path, kLargestForegroundFile);
    // Part of a file would save as if it were all of it: a read that fails or runs past the
    // limit opens nothing.
    if (!file.opened || !file.whole) {
        ShowProgramMessageBox("Error opening " + path, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ForegroundContent content = ReadForegroundFileBytes(file.bytes.data(), file.bytes.size());
    std::vector<uint8_t>().swap(file.bytes); // a long file's lines are room enough
    header_ = content.Header;
    // A description that fills its whole field still ends inside it.
    header_.Description[kDescriptionFieldSize - 1] = '\0';
    lines_ = std::move(content.Lines);
    for (std::string& line : lines_)
        if (line.size() > kLongestLine)
            line.resize(kLongestLine);
    return true;
}

bool CForegroundDoc::OnSaveDocument(const std::string& path) {
    header_.LineCount = static_cast<int32_t>(lines_.size());
    header_.Checksum = DescriptionChecksum(DescriptionOf(header_.Description));
    const std::vector<uint8_t> bytes = ForegroundFileBytes(header_, lines_);

    // Written beside the old file and moved over it only when complete, so a failed save keeps it.
    ReplacingFile file(path);
    if (!file.Write(bytes.data(), bytes.size()) || !file.Commit()) {
        ReportSaveFailure(path);
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

} // namespace bndx
