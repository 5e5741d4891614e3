// Which entries of the data folders Banderix lists, and which files it reads again when a folder
// changes while it runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace bndx {

// A file as its folder describes it: enough to see that it has been written since.
struct FileStamp {
    uint64_t lastWrite = 0;
    uint64_t size = 0;
    bool operator==(const FileStamp& other) const { return lastWrite == other.lastWrite && size == other.size; }
};

// Each file is read until it loads, and then never again: entries are held by the painting while
// it runs. One that did not load is read again only once it has changed, so that a file caught
// while it was still being written loads when its writer is done, and a broken one is not
// reported again at every look.
class FileTrials {
public:
    bool ShouldTry(const std::string& path, const FileStamp& stamp) const;
    void Record(const std::string& path, const FileStamp& stamp, bool loaded);

private:
    struct Trial {
        FileStamp stamp;
        bool loaded;
    };
    std::map<std::string, Trial> trials_;
};

// An entry that loaded: its description, and the position of its folder among the folders read.
struct ListingCandidate {
    std::string description;
    size_t folder;
};

// The positions of the candidates to list, in listing order: the folders in their order, each
// folder's entries in the order they were found. A description held by a later folder (the
// user's own) hides the same description in earlier ones (the shared samples); within one
// folder duplicates are all listed, as they always were.
std::vector<size_t> ListedPositions(const std::vector<ListingCandidate>& candidates);

} // namespace bndx
