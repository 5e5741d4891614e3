#include "painter/sources/foregrounds.h"

#include "common/line_records.h"
#include "painter/sources/data_directory.h"
#include "painter/sources/foreground_file.h"
#include "painter/sources/source_messages.h"
#include "platform/framework/file_bytes.h"
#include "platform/framework/message_box.h"

#include <memory>
#include <exception>
#include <vector>

namespace bndx {
CForegroundEntry::CForegroundEntry(const char* path, int32_t isAddIn) : CSourceEntry(isAddIn) {
    if (isAddIn)
        LoadAddIn(path);
    else
        LoadTextFile(path);
}

void CForegroundEntry::LoadTextFile(const char* path) {
    ForegroundFileResult result = ForegroundFileResult::Read;
    bool failed = false;
    try {
        const FileBytes file = ReadFileBytes(path, kLargestForegroundFile);
        if (!file.opened)
            return;
        // Part of a file would scroll as if it were all of it: a read that fails or runs past
        // the limit counts as a file that cannot be read.
        failed = !file.whole;
        if (!failed)
            result = ReadForegroundFile(file.bytes.data(), file.bytes.size(), header_, *this);
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed)
        ShowMessageBox(std::string("Error opening ") + path, kErrorCaption);
    else if (result == ForegroundFileResult::NewerVersion)
        ShowMessageBox(NewerVersionMessage(path), kWarningCaption);
}

void CForegroundEntry::LoadAddIn(const char* path) {
    module_.Reset(LoadLibraryA(path));
    if (!module_) {
        ShowMessageBox(std::string("Error loading ") + path, kErrorCaption);
        return;
    }
    getForeground_ = reinterpret_cast<GetForegroundFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_.Get(), BNDX_GET_FOREGROUND_EXPORT)));
    if (getForeground_)
        addIn_ = getForeground_();
    if (!addIn_) {
        ShowMessageBox(std::string("Error reading ") + path, kErrorCaption);
        return;
    }
    addIn_->GetDescription(Description, sizeof(Description));
    // The add-in may have forgotten the terminator; the buffer's last byte stays one.
    Description[sizeof(Description) - 1] = '\0';
    ReplaceControlCharacters(Description);
}

int16_t CForegroundEntry::Configure() {
    if (IsAddIn && addIn_)
        return static_cast<int16_t>(addIn_->Configure());
    ShowMessageBox("Error configuring Foreground.", kErrorCaption);
    return 0;
}

const char* CForegroundEntry::GetNextLine() {
    if (!IsAddIn) {
        CopyNextLine(Lines, lineBuffer_, sizeof(lineBuffer_));
        return lineBuffer_;
    }
    lineBuffer_[0] = '\0';
    if (addIn_) {
        addIn_->GetText(lineBuffer_, sizeof(lineBuffer_));
        lineBuffer_[sizeof(lineBuffer_) - 1] = '\0';
    }
    return lineBuffer_;
}

CForegroundCollection::CForegroundCollection(std::vector<std::string> folders) : CEntryCollection(std::move(folders)) {
    Rescan();
}

void CForegroundCollection::ScanFolder(const std::string& folder, size_t position) {
    ForEachDataFile(folder, "*.BXF", [&](const std::string& path, const FileStamp& stamp) {
        Offer(path, stamp, position, [&] { return std::make_unique<CForegroundEntry>(path.c_str(), 0); });
    });
    ForEachDataFile(folder, "*.BXA", [&](const std::string& path, const FileStamp& stamp) {
        Offer(path, stamp, position, [&] { return std::make_unique<CForegroundEntry>(path.c_str(), 1); });
    });
}

} // namespace bndx
