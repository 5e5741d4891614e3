#include "editor/documents/foreground_doc.h"

#include "common/line_records.h"
#include "editor/documents/foreground_lines.h"
#include "platform/framework/file_bytes.h"
#include "platform/framework/message_box.h"
#include "platform/framework/replacing_file.h"
#include "platform/framework/view.h"

#include <cstdint>
#include <vector>

namespace bndx {

namespace {

constexpr char kNewDescription[] = "New Foreground Doc";

} // namespace

const RuntimeClass<Document> CForegroundDoc::Class{"CForegroundDoc", []() -> Document* { return new CForegroundDoc; }};

ForegroundLineHolder* CForegroundDoc::Lines() const {
    for (View* view : Views())
        if (auto* holder = dynamic_cast<ForegroundLineHolder*>(view))
            return holder;
    return nullptr;
}

bool CForegroundDoc::OnNewDocument() {
    if (!Document::OnNewDocument())
        return false;
    header_ = MakeForegroundHeader(kNewDescription, 0);
    return true;
}

bool CForegroundDoc::OnOpenDocument(const std::string& path) {
    if (!Document::OnOpenDocument(path))
        return false;
    header_ = ForegroundFileHeader{};
    // A read that fails part-way keeps the lines that came before.
    FileBytes file = ReadFileBytes(path, kLargestForegroundFile);
    if (!file.opened)
        return true; // the file went between the framework's look and ours: an empty foreground
    ForegroundContent content = ReadForegroundFileBytes(file.bytes.data(), file.bytes.size());
    std::vector<uint8_t>().swap(file.bytes); // a long file's lines are room enough
    header_ = content.Header;
    // A description that fills its whole field still ends inside it.
    header_.Description[kDescriptionFieldSize - 1] = '\0';
    if (ForegroundLineHolder* lines = Lines())
        for (std::string& line : content.Lines)
            lines->AddString(std::move(line));
    return true;
}

bool CForegroundDoc::OnSaveDocument(const std::string& path) {
    // The view shows the newest line on top, so the file takes them bottom up: a file opened and
    // saved again stays as it was, and lines added since follow the ones it held.
    std::vector<std::string> strings;
    if (const ForegroundLineHolder* lines = Lines())
        for (int n = lines->GetStringCount(); n-- > 0;)
            strings.push_back(lines->GetString(n));
    header_.LineCount = static_cast<int32_t>(strings.size());
    header_.Checksum = DescriptionChecksum(DescriptionOf(header_.Description));
    const std::vector<uint8_t> bytes = ForegroundFileBytes(header_, strings);

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
