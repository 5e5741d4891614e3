#include "painter/sources/source_listing.h"

#include <algorithm>

namespace bndx {

bool FileTrials::ShouldTry(const std::string& path, const FileStamp& stamp) const {
    const auto trial = trials_.find(path);
    return trial == trials_.end() || (!trial->second.loaded && !(trial->second.stamp == stamp));
}

void FileTrials::Record(const std::string& path, const FileStamp& stamp, bool loaded) {
    trials_[path] = Trial{stamp, loaded};
}

std::vector<size_t> ListedPositions(const std::vector<ListingCandidate>& candidates) {
    // The last folder each description is held by.
    std::map<std::string, size_t> lastFolder;
    for (const ListingCandidate& candidate : candidates) {
        size_t& folder = lastFolder[candidate.description];
        folder = std::max(folder, candidate.folder);
    }
    std::vector<size_t> listed;
    for (size_t n = 0; n < candidates.size(); ++n) {
        if (lastFolder[candidates[n].description] == candidates[n].folder)
            listed.push_back(n);
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [&](size_t a, size_t b) { return candidates[a].folder < candidates[b].folder; });
    return listed;
}

} // namespace bndx
