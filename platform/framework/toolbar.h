// The main frame's toolbar: buttons from one bitmap strip and the ids of a toolbar resource,
// with tooltips taken from the commands' prompt strings.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx {

class Toolbar {
public:
    // Makes the bar along the top of parent from bitmap and toolbar resource id; false on failure.
    bool Create(HWND parent, UINT id, UINT resourceId);
    HWND Handle() const { return window_; }
    const std::vector<UINT>& Commands() const { return commands_; }
    void Enable(UINT command, bool enable) const;

private:
    HWND window_ = nullptr;
    std::vector<UINT> commands_;
};

// The tooltip of a command: the part of its prompt string after the newline.
std::string CommandTooltip(UINT command);
// The status-bar prompt of a command: the part of its prompt string before the newline.
std::string CommandPrompt(UINT command);

} // namespace bndx
