// The programs whose windows Banderix leaves alone: section [Leave Alone] of the settings file,
// one key per program, its executable file name, with the value 1. A value of 0, or no key,
// means painted.
#pragma once

#include "platform/framework/profile_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace bndx {

// Executable file names compare as Windows compares file names: ignoring the case of letters.
bool SameProgram(std::string_view a, std::string_view b);
// Orders names alphabetically in the same way.
bool ProgramNameBefore(std::string_view a, std::string_view b);

// The file name at the end of a path ("C:\Windows\notepad.exe" gives "notepad.exe").
std::string_view FileNameOf(std::string_view path);

class LeaveAloneList {
public:
    void Load(ProfileStore& store);
    // Every name as 1; a name the file holds that is no longer listed as 0.
    void Save(ProfileStore& store) const;

    bool Contains(std::string_view program) const;
    bool Empty() const { return names_.empty(); }
    const std::vector<std::string>& Names() const { return names_; }
    // Each program once, whatever the case of its letters.
    void Assign(const std::vector<std::string>& names);

    bool operator==(const LeaveAloneList& other) const;
    bool operator!=(const LeaveAloneList& other) const { return !(*this == other); }

private:
    std::vector<std::string> names_;
};

} // namespace bndx
