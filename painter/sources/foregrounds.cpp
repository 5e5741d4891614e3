#include "painter/sources/foregrounds.h"

#include "painter/sources/data_directory.h"
#include "painter/sources/foreground_file.h"
#include "painter/sources/source_messages.h"
#include "platform/framework/message_box.h"

#include <memory>
#include <stdexcept>
#include <vector>

namespace bndx {
namespace {

// The whole file, read in chunks: a foreground file fits in one, so opening, one read and
// closing are all the platform is asked for, which keeps a scan of many files quick.
std::vector<uint8_t> ReadWholeFile(HANDLE file) {
    std::vector<uint8_t> bytes;
    uint8_t chunk[16384];
    DWORD read;
    do {
        if (!ReadFile(file, chunk, sizeof(chunk), &read, nullptr))
            throw std::runtime_error("read failed");
        bytes.insert(bytes.end(), chunk, chunk + read);
    } while (read == sizeof(chunk));
    return bytes;
}

} // namespace

CForegroundEntry::CForegroundEntry(const char* path, int32_t isAddIn) : CSourceEntry(isAddIn) {
    if (isAddIn)
        LoadAddIn(path);
    else
        LoadTextFile(path);
}

CForegroundEntry::~CForegroundEntry() {
    if (module_)
        FreeLibrary(module_);
}

void CForegroundEntry::LoadTextFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    ForegroundFileResult result = ForegroundFileResult::Read;
    bool failed = false;
    try {
        const std::vector<uint8_t> bytes = ReadWholeFile(file);
        result = ReadForegroundFile(bytes.data(), bytes.size(), header_, *this);
    } catch (const std::exception&) {
        failed = true;
    }
    CloseHandle(file);
    if (failed)
        ShowMessageBox(std::string("Error opening ") + path, kErrorCaption);
    else if (result == ForegroundFileResult::NewerVersion)
        ShowMessageBox(NewerVersionMessage(path), kWarningCaption);
}

void CForegroundEntry::LoadAddIn(const char* path) {
    module_ = LoadLibraryA(path);
    if (!module_) {
        ShowMessageBox(std::string("Error loading ") + path, kErrorCaption);
        return;
    }
    getForeground_ = reinterpret_cast<GetForegroundFunction>(
        reinterpret_cast<void*>(GetProcAddress(module_, BNDX_GET_FOREGROUND_EXPORT)));
    if (getForeground_)
        addIn_ = getForeground_();
    if (!addIn_) {
        ShowMessageBox(std::string("Error reading ") + path, kErrorCaption);
        return;
    }
    addIn_->GetDescription(Description, sizeof(Description));
    // The add-in may have forgotten the terminator; the buffer's last byte stays one.
    Description[sizeof(Description) - 1] = '\0';
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

CForegroundCollection::CForegroundCollection() : CForegroundCollection(DataDirectory()) {}

CForegroundCollection::CForegroundCollection(const std::string& dataDirectory) {
    ForEachDataFile(dataDirectory, "*.BXF", [this](const std::string& path) {
        AddIfLoaded(std::make_unique<CForegroundEntry>(path.c_str(), 0));
    });
    ForEachDataFile(dataDirectory, "*.BXA", [this](const std::string& path) {
        AddIfLoaded(std::make_unique<CForegroundEntry>(path.c_str(), 1));
    });
}

} // namespace bndx
