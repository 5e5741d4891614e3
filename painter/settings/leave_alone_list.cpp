#include "painter/settings/leave_alone_list.h"

#include "painter/settings/settings_keys.h"

#include <algorithm>
#include <cstdlib>

namespace bndx {

namespace {

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool SameProgram(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool ProgramNameBefore(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

std::string_view FileNameOf(std::string_view path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

void LeaveAloneList::Load(ProfileStore& store) {
    std::vector<std::string> names;
    for (const ProfileEntry& entry : store.ReadSection(keys::kLeaveAlone))
        if (std::strtol(entry.value.c_str(), nullptr, 10) != 0)
            names.push_back(entry.key);
    Assign(names);
}

void LeaveAloneList::Save(ProfileStore& store) const {
    for (const ProfileEntry& entry : store.ReadSection(keys::kLeaveAlone))
        if (!Contains(entry.key))
            store.WriteInt(keys::kLeaveAlone, entry.key.c_str(), 0);
    for (const std::string& name : names_)
        store.WriteInt(keys::kLeaveAlone, name.c_str(), 1);
}

bool LeaveAloneList::Contains(std::string_view program) const {
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& name) { return SameProgram(name, program); });
}

void LeaveAloneList::Assign(const std::vector<std::string>& names) {
    names_.clear();
    for (const std::string& name : names)
        if (!name.empty() && !Contains(name))
            names_.push_back(name);
}

bool LeaveAloneList::operator==(const LeaveAloneList& other) const {
    return names_.size() == other.names_.size() &&
           std::all_of(names_.begin(), names_.end(), [&](const std::string& name) { return other.Contains(name); });
}

} // namespace bndx
