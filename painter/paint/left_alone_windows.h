// Which windows belong to a program the user leaves alone, and which programs show captioned
// windows now. A window's program never changes, and asking for it costs a trip to the window
// server, so each window's is asked once and kept.
#pragma once

#include "painter/paint/desktop_view.h"
#include "painter/settings/leave_alone_list.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace bndx {

class LeftAloneWindows {
public:
    LeftAloneWindows(const DesktopView& desktop, const LeaveAloneList& list) : desktop_(desktop), list_(list) {}

    // Nothing is asked while the list is empty. A window whose program cannot be read is painted.
    bool IsLeftAlone(WindowId window);

private:
    // Beyond this many windows the oldest answers are dropped all at once (windows come and go,
    // and their handles are not soon used again); dropped ones are asked again when next seen.
    static constexpr size_t kKeptWindows = 4096;

    const DesktopView& desktop_;
    const LeaveAloneList& list_;
    std::unordered_map<WindowId, std::string> programs_;
};

// A program that shows a captioned window now, by the path of its executable (see ProgramPath).
struct RunningProgram {
    std::string name; // the executable's file name
    std::string path;
};

// Every program with a visible captioned top-level window (minimised ones too), each once, in
// the desktop's order.
std::vector<RunningProgram> ProgramsWithCaptions(const DesktopView& desktop);

// One row of the list the user ticks.
struct LeaveAloneRow {
    RunningProgram program; // a listed program not running now has its name alone
    bool ticked;
};

// The running programs and the listed ones, each once, ordered by name ignoring case.
std::vector<LeaveAloneRow> LeaveAloneRows(const std::vector<RunningProgram>& running, const LeaveAloneList& list);

} // namespace bndx
