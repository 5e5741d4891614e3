// A desktop of made-up windows for the selection rules, and a drawer that records what a pass paints.
#pragma once

#include "painter/paint/caption_selection.h"

#include <map>
#include <vector>

namespace bndx::test {

constexpr uint32_t kCaptioned = style::kDlgFrame | style::kVisible;

struct SimWindow {
    WindowId parent = 0;
    uint32_t style = kCaptioned;
    uint32_t exStyle = 0;
    int32_t width = 200;
    std::string title = "Window";
    int32_t clientTop = 60; // below any caption the tests' metrics give
    uint32_t dpi = 0;       // the system cannot say
};

class SimulatedDesktop : public DesktopView {
public:
    WindowId Add(const SimWindow& window) {
        const WindowId id = next_++;
        windows_[id] = window;
        return id;
    }
    void SetForeground(WindowId window) { foreground_ = window; }

    WindowId ForegroundWindow() const override { return foreground_; }
    void ForEachTopLevel(const std::function<void(WindowId)>& visit) const override {
        for (const auto& [id, window] : windows_)
            if (!window.parent)
                visit(id);
    }
    // Depth first, as the system's child enumeration walks.
    void ForEachDescendant(WindowId parent, const std::function<void(WindowId)>& visit) const override {
        for (const auto& [id, window] : windows_)
            if (window.parent == parent) {
                visit(id);
                ForEachDescendant(id, visit);
            }
    }
    uint32_t Style(WindowId window) const override { return windows_.at(window).style; }
    uint32_t ExStyle(WindowId window) const override { return windows_.at(window).exStyle; }
    int32_t OuterWidth(WindowId window) const override { return windows_.at(window).width; }
    std::string Title(WindowId window, size_t maxLength) const override {
        return windows_.at(window).title.substr(0, maxLength);
    }
    int32_t ClientTop(WindowId window) const override { return windows_.at(window).clientTop; }
    uint32_t Dpi(WindowId window) const override { return windows_.at(window).dpi; }

private:
    std::map<WindowId, SimWindow> windows_;
    WindowId next_ = 1;
    WindowId foreground_ = 0;
};

struct DrawnCaption {
    WindowId window;
    CaptionRect caption;
    uint32_t dpi;
    bool scrollStep;
    bool inPass; // drawn between the drawer's BeginPass and EndPass
};

class RecordingDrawer : public CaptionDrawer {
public:
    void BeginPass() override { inPass = true; }
    void EndPass() override { inPass = false; }
    void DrawCaption(WindowId window, const CaptionRect& caption, uint32_t dpi, bool scrollStep) override {
        drawn.push_back({window, caption, dpi, scrollStep, inPass});
    }
    std::vector<WindowId> Windows() const {
        std::vector<WindowId> windows;
        for (const auto& d : drawn)
            windows.push_back(d.window);
        return windows;
    }
    std::vector<DrawnCaption> drawn;
    bool inPass = false;
};

} // namespace bndx::test
