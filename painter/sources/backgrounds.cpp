#include "painter/sources/backgrounds.h"

#include "painter/sources/data_directory.h"
#include "painter/sources/source_messages.h"
#include "platform/framework/message_box.h"
#include "platform/framework/win32_handles.h"

#include <memory>

namespace bndx {

CBackgroundEntry::CBackgroundEntry(const char* path) : CSourceEntry(0) {
    const UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return;
    DWORD read = 0;
    const bool readFailed = !ReadFile(file.Get(), &header_, sizeof(header_), &read, nullptr);
    // A file too short for its header is one that cannot be used, not a newer one: skipped silently.
    const bool tooShort = !readFailed && read < sizeof(header_);
    const bool newer = !readFailed && !tooShort && header_.Version != kFileFormatVersion;
    if (!readFailed && !tooShort && !newer) {
        SetDescription(header_.Description);
        image_.Reset(ReadDIBFromFile(file.Get(), sizeof(header_)));
        if (image_)
            palette_.Reset(CreateDIBPalette(image_.Get()));
    }
    if (readFailed)
        ShowMessageBox(std::string("Error opening ") + path, kErrorCaption);
    else if (newer)
        ShowMessageBox(NewerVersionMessage(path), kErrorCaption);
}

BOOL CBackgroundEntry::Paint(HDC dc, const RECT* rect, BOOL usePalette) {
    if (!image_) {
        FillRect(dc, rect, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        return TRUE;
    }
    // On a palette device the picture's colours show only through its own palette, realised
    // in the surface drawn on; kept strips are true colour and would fall to the default colours.
    // Strips are fitted for the screen of their time, so a change to 256 colours lets them go.
    if (usePalette) {
        strips_.Clear();
        PaintDIB(dc, rect, image_.Get(), palette_.Get(), 0);
    } else {
        strips_.Paint(dc, rect, image_.Get());
    }
    return TRUE;
}

CBackgroundCollection::CBackgroundCollection(std::vector<std::string> folders) : CEntryCollection(std::move(folders)) {
    Rescan();
}

void CBackgroundCollection::ScanFolder(const std::string& folder, size_t position) {
    ForEachDataFile(folder, "*.BXB", [&](const std::string& path, const FileStamp& stamp) {
        Offer(path, stamp, position, [&] { return std::make_unique<CBackgroundEntry>(path.c_str()); });
    });
}

} // namespace bndx
