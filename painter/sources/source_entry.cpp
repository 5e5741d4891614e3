#include "painter/sources/source_entry.h"

#include <cstring>

namespace bndx {

void CSourceEntry::SetDescription(const char (&field)[kDescriptionFieldSize]) {
    const std::string description = DescriptionOf(field);
    std::memcpy(Description, description.c_str(), description.size() + 1);
}

char* CSourceEntry::ReserveLineText(size_t bytes) {
    lineText_.reset(new char[bytes]);
    return lineText_.get();
}

int32_t CEntryCollection::GetCount() const {
    return entries_.GetCount();
}

CSourceEntry* CEntryCollection::GetAt(int32_t index) const {
    if (index < 0)
        return nullptr;
    return static_cast<CSourceEntry*>(entries_.GetAt(index));
}

CEntryCollection::~CEntryCollection() {
    while (entries_.GetCount() > 0)
        delete static_cast<CSourceEntry*>(entries_.RemoveHead());
}

void CEntryCollection::AddIfLoaded(std::unique_ptr<CSourceEntry> entry) {
    if (entry->Description[0] == '\0')
        return;
    entries_.AddTail(entry.get());
    entry.release();
}

} // namespace bndx
