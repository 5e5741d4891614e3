#include "platform/framework/recent_files.h"

#include <algorithm>
#include <cctype>

namespace bndx {

namespace {

constexpr char kSection[] = "Recent File List";

bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "File1" for the newest entry.
std::string KeyOf(size_t n) {
    return "File" + std::to_string(n + 1);
}

} // namespace

void RecentFiles::Add(const std::string& path) {
    if (path.empty() || capacity_ == 0)
        return;
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const std::string& entry) { return SamePath(entry, path); }),
                   entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_)
        entries_.resize(capacity_);
}

void RecentFiles::Remove(size_t index) {
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

void RecentFiles::Load(ProfileStore& profile) {
    const std::vector<ProfileEntry> section = profile.ReadSection(kSection);
    entries_.clear();
    for (size_t n = 0; n < capacity_; ++n) {
        const std::string key = KeyOf(n);
        const auto entry = std::find_if(section.begin(), section.end(),
                                        [&](const ProfileEntry& e) { return SameProfileKey(e.key, key); });
        if (entry != section.end() && !entry->value.empty())
            entries_.push_back(entry->value);
    }
}

void RecentFiles::Save(ProfileStore& profile) const {
    // The newest entry goes last: once File1 names a file, the rest of the list is written too.
    for (size_t n = capacity_; n-- > 0;)
        profile.WriteString(kSection, KeyOf(n).c_str(), n < entries_.size() ? entries_[n] : "");
}

std::string RecentFiles::MenuText(size_t index) const {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (char c : entries_.at(index)) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

} // namespace bndx
