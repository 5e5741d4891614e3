// What foreground and background entries have in common, and the collection that owns them.
#pragma once

#include "common/file_headers.h"
#include "painter/sources/item_list.h"
#include "painter/sources/source_listing.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bndx {

constexpr size_t kDescriptionBufferSize = 255;

class CSourceEntry {
public:
    virtual ~CSourceEntry() = default;
    CSourceEntry(const CSourceEntry&) = delete;
    CSourceEntry& operator=(const CSourceEntry&) = delete;

    virtual int16_t Configure() = 0;

    // Takes a file header's description, up to its terminator or the field's end, each control
    // character a space (DescriptionOf).
    void SetDescription(const char (&field)[kDescriptionFieldSize]);

    // Room for the text of all the lines, owned by the entry: the lines are NUL-terminated
    // strings in it. One block per entry rather than one per line keeps loading many files
    // quick where allocation is slow.
    char* ReserveLineText(size_t bytes);

    int32_t IsAddIn;
    CItemList Lines;
    // Empty for an entry that did not load: such an entry is never listed.
    char Description[kDescriptionBufferSize] = {};

protected:
    explicit CSourceEntry(int32_t isAddIn) : IsAddIn(isAddIn) {}

private:
    std::unique_ptr<char[]> lineText_;
};

// The entries of every folder Banderix reads, owned for the program's life, and those of them it
// lists (ListedPositions).
class CEntryCollection {
public:
    CEntryCollection(const CEntryCollection&) = delete;
    CEntryCollection& operator=(const CEntryCollection&) = delete;

    // Of the listed entries.
    virtual int32_t GetCount() const;
    // The listed entry at that position; none when the index is out of range.
    virtual CSourceEntry* GetAt(int32_t index) const;

    // Reads the files of the folders that are new or, not loaded before, have changed since
    // (FileTrials); true when the listing changed. An entry, once loaded, stays until the
    // collection goes, so that the painting may hold it.
    bool Rescan();

protected:
    // Each folder ends in a backslash.
    explicit CEntryCollection(std::vector<std::string> folders) : folders_(std::move(folders)) {}
    ~CEntryCollection();

    // Offers every file of the folder that may be an entry, with its stamp, to Offer.
    virtual void ScanFolder(const std::string& folder, size_t position) = 0;
    // Reads the file into an entry unless FileTrials says it need not be, and keeps the entry if it
    // loaded with a description (destroying one that did not unloads an add-in module with it).
    void Offer(const std::string& path, const FileStamp& stamp, size_t folder,
               const std::function<std::unique_ptr<CSourceEntry>()>& load);

private:
    CItemList entries_;
    std::vector<size_t> folderOf_; // beside entries_, in the same order
    std::vector<CSourceEntry*> listed_;
    std::vector<std::string> folders_;
    FileTrials trials_;
};

} // namespace bndx
