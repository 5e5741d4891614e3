// The main frame's status bar: a message pane for prompts and "Ready", then indicator panes
// (Caps Lock, Num Lock, Scroll Lock) whose texts show while their key is on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bndx {

class StatusBar {
public:
    // indicators: 0 for the message pane, then string ids of the indicator texts.
    bool Create(HWND parent, UINT id, const std::vector<UINT>& indicators);
    HWND Handle() const { return window_; }
    void SetMessage(const std::string& text) const;
    // Sizes the panes to the bar's width: indicators keep their text's width at the right.
    void Layout() const;
    void UpdateIndicators() const;

private:
    struct Pane {
        UINT id;
        std::string text;
        int width;
    };

    HWND window_ = nullptr;
    std::vector<Pane> panes_;
};

} // namespace bndx
