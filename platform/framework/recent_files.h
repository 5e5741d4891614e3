// The recently used files of a program, newest first, as the File menu lists them. The list is
// kept in the program's profile under "Recent File List" as File1, File2, ...
#pragma once

#include "platform/framework/profile_store.h"

#include <cstddef>
#include <string>
#include <vector>

namespace bndx {

class RecentFiles {
public:
    explicit RecentFiles(size_t capacity) : capacity_(capacity) {}

    // Puts the path first; the same path in other letter case is one file, and the oldest
    // entry beyond the capacity is dropped.
    void Add(const std::string& path);
    void Remove(size_t index);
    const std::vector<std::string>& Entries() const { return entries_; }

    void Load(ProfileStore& profile);
    void Save(ProfileStore& profile) const;

    // "&1 C:\path\name.bxb": the menu text of an entry, its number a mnemonic; ampersands of
    // the path doubled so they show.
    std::string MenuText(size_t index) const;

private:
    size_t capacity_;
    std::vector<std::string> entries_;
};

} // namespace bndx
