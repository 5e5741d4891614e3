// The main frame's toolbar: buttons from one bitmap strip and the ids of a toolbar resource,
// with tooltips taken from the commands' prompt strings, docked on any side of the frame or
// floating.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bndx {

// How the buttons are laid out: one row with a grip to move it by (docked at the top or
// bottom), one column (docked on the left or right), or rows of a chosen width (floating,
// moved by its window's caption).
enum class BarShape { Row, Column, Rows };

// The steps of the user moving the bar: the cursor moved while holding it, let go of it, or
// the move ended without a drop (a click that did not move it, the capture taken away).
enum class DragStep { Moving, Dropped, Cancelled };

// The user moves the bar by its grip, or by any free space on it, and lets go where it should go.
class Toolbar {
public:
    // Makes the bar from bitmap and toolbar resource id, a row of buttons placed by its parent;
    // false on failure.
    bool Create(HWND parent, UINT id, UINT resourceId);
    HWND Handle() const { return window_; }
    const std::vector<UINT>& Commands() const { return commands_; }
    void Enable(UINT command, bool enable) const;

    // Lays the buttons out in that shape. Rows are at most width wide (without the bar's edge)
    // and as many as the buttons need; only a single row keeps its separators.
    void Arrange(BarShape shape, int width = 0);
    // How deep the bar stands out from a side it is docked on, in a column or in a row.
    int Thickness(bool column) const;
    // The extent rows of at most width would take, and the narrowest width that needs no more
    // than rows rows; neither changes the bar.
    SIZE RowsExtent(int width) const;
    int WidthForRows(size_t rows) const;
    // How many rows fit in a bar of this height (at least one).
    size_t RowsIn(int height) const;
    // Called at each step of the user moving the bar, with the cursor's screen point.
    void OnDrag(std::function<void(DragStep, POINT)> handler) { drag_ = std::move(handler); }

private:
    // For each command, whether its row ends after it, and whether separators show, in rows of
    // at most width.
    std::vector<bool> RowEndsFor(int width, bool& separators) const;
    SIZE ButtonSize() const;
    // The widths of the buttons, the separators left out.
    std::vector<int> ButtonWidths() const;
    // Whether the cursor has gone far enough from where the bar was picked up to move it.
    bool PastDragDistance(POINT at) const;
    void AddButtons(const std::vector<bool>& rowEnds, bool separators);
    void DrawGrip() const;
    // Hands a step of the user's move, at a point of the bar, to the handler.
    void Report(DragStep step, POINT client) const;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
    std::vector<UINT> commands_;
    // Each item's width in a row, separators included.
    std::vector<int> widths_;
    std::function<void(DragStep, POINT)> drag_;
    BarShape shape_ = BarShape::Row;
    bool dragging_ = false;
    bool moved_ = false;
    POINT dragFrom_{};
};

// The tooltip of a command: the part of its prompt string after the newline.
std::string CommandTooltip(UINT command);
// The status-bar prompt of a command: the part of its prompt string before the newline.
std::string CommandPrompt(UINT command);

} // namespace bndx
