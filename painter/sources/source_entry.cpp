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
    return static_cast<int32_t>(listed_.size());
}

CSourceEntry* CEntryCollection::GetAt(int32_t index) const {
    if (index < 0 || index >= GetCount())
        return nullptr;
    return listed_[static_cast<size_t>(index)];
}

CEntryCollection::~CEntryCollection() {
    while (entries_.GetCount() > 0)
        delete static_cast<CSourceEntry*>(entries_.RemoveHead());
}

bool CEntryCollection::Rescan() {
    for (size_t n = 0; n < folders_.size(); ++n)
        ScanFolder(folders_[n], n);
    std::vector<ListingCandidate> candidates;
    for (int32_t n = 0; n < entries_.GetCount(); ++n)
        candidates.push_back({static_cast<CSourceEntry*>(entries_.GetAt(n))->Description, folderOf_[n]});
    std::vector<CSourceEntry*> listed;
    for (size_t position : ListedPositions(candidates))
        listed.push_back(static_cast<CSourceEntry*>(entries_.GetAt(static_cast<int32_t>(position))));
    const bool changed = listed != listed_;
    listed_ = std::move(listed);
    return changed;
}

void CEntryCollection::Offer(const std::string& path, const FileStamp& stamp, size_t folder,
                             const std::function<std::unique_ptr<CSourceEntry>()>& load) {
    if (!trials_.ShouldTry(path, stamp))
        return;
    std::unique_ptr<CSourceEntry> entry = load();
    const bool loaded = entry->Description[0] != '\0';
    trials_.Record(path, stamp, loaded);
    if (!loaded)
        return;
    entries_.AddTail(entry.release());
    folderOf_.push_back(folder);
}

} // namespace bndx
