// What foreground and background entries have in common, and the collection that owns them.
#pragma once

#include "common/file_headers.h"
#include "painter/sources/item_list.h"

#include <cstddef>
#include <cstdint>
#include <memory>

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

class CEntryCollection {
public:
    CEntryCollection(const CEntryCollection&) = delete;
    CEntryCollection& operator=(const CEntryCollection&) = delete;

    virtual int32_t GetCount() const;
    // The entry at that position; none when the index is out of range.
    virtual CSourceEntry* GetAt(int32_t index) const;

protected:
    CEntryCollection() = default;
    ~CEntryCollection();

    // Keeps an entry that loaded with a description and destroys one that did not (which
    // unloads an add-in module with it).
    void AddIfLoaded(std::unique_ptr<CSourceEntry> entry);

private:
    CItemList entries_;
};

} // namespace bndx
