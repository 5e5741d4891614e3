#include "painter/paint/left_alone_windows.h"

#include "common/caption_geometry.h"

#include <algorithm>

namespace bndx {

bool LeftAloneWindows::IsLeftAlone(WindowId window) {
    if (list_.Empty())
        return false;
    auto known = programs_.find(window);
    if (known == programs_.end()) {
        if (programs_.size() >= kKeptWindows)
            programs_.clear();
        known = programs_.emplace(window, std::string(FileNameOf(desktop_.ProgramPath(window)))).first;
    }
    return !known->second.empty() && list_.Contains(known->second);
}

std::vector<RunningProgram> ProgramsWithCaptions(const DesktopView& desktop) {
    std::vector<RunningProgram> programs;
    desktop.ForEachTopLevel([&](WindowId window) {
        const uint32_t style = desktop.Style(window);
        if ((style & (style::kDlgFrame | style::kVisible)) != (style::kDlgFrame | style::kVisible))
            return;
        std::string path = desktop.ProgramPath(window);
        std::string name(FileNameOf(path));
        const bool known = std::any_of(programs.begin(), programs.end(),
                                       [&](const RunningProgram& program) { return SameProgram(program.name, name); });
        if (!name.empty() && !known)
            programs.push_back({std::move(name), std::move(path)});
    });
    return programs;
}

std::vector<LeaveAloneRow> LeaveAloneRows(const std::vector<RunningProgram>& running, const LeaveAloneList& list) {
    std::vector<LeaveAloneRow> rows;
    for (const RunningProgram& program : running)
        rows.push_back({program, list.Contains(program.name)});
    for (const std::string& name : list.Names()) {
        const bool shown = std::any_of(rows.begin(), rows.end(),
                                       [&](const LeaveAloneRow& row) { return SameProgram(row.program.name, name); });
        if (!shown)
            rows.push_back({{name, name}, true});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const LeaveAloneRow& a, const LeaveAloneRow& b) {
        return ProgramNameBefore(a.program.name, b.program.name);
    });
    return rows;
}

} // namespace bndx
