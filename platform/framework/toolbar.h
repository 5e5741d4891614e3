// The main frame's toolbar: buttons from one bitmap strip and the ids of a toolbar resource,
// with tooltips taken from the commands' prompt strings, docked on any side of the frame or
// floating.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bndx {

// The user moves the bar by its grip, or by any free space on it, and lets go where it should go.
class Toolbar {
public:
    // Makes the bar from bitmap and toolbar resource id, a row of buttons placed by its parent
    // (see Extent); false on failure.
    bool Create(HWND parent, UINT id, UINT resourceId);
    HWND Handle() const { return window_; }
    const std::vector<UINT>& Commands() const { return commands_; }
    void Enable(UINT command, bool enable) const;

    // Lays the buttons out in a column (for the left and right sides) or in a row.
    void SetVertical(bool vertical);
    // The width and height the buttons and the grip take.
    SIZE Extent() const;
    // Called with the screen point where the user let go of the bar after dragging it.
    void OnDropped(std::function<void(POINT)> handler) { dropped_ = std::move(handler); }

private:
    void AddButtons();
    void DrawGrip() const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
    std::vector<UINT> commands_;
    std::function<void(POINT)> dropped_;
    bool vertical_ = false;
    bool dragging_ = false;
    POINT dragFrom_{};
};

// The tooltip of a command: the part of its prompt string after the newline.
std::string CommandTooltip(UINT command);
// The status-bar prompt of a command: the part of its prompt string before the newline.
std::string CommandPrompt(UINT command);

} // namespace bndx
