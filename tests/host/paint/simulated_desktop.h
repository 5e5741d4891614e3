// A desktop of made-up windows for the selection and period rules, counting the questions asked.
#pragma once

#include "painter/paint/desktop_view.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace bndx::test {

constexpr uint32_t kCaptioned = style::kDlgFrame | style::kVisible;

struct SimWindow {
    WindowId parent = 0;
    uint32_t style = kCaptioned;
    std::string title = "Window";
    int32_t clientTop = 60; // below the window's top; below any caption the tests' metrics give
    uint32_t dpi = 0;       // the system cannot say
    std::string program = "C:\\Apps\\app.exe";
    ScreenRect rect{0, 0, 200, 100};
};

class SimulatedDesktop : public DesktopView {
public:
    // A window goes to the back of its siblings' stacking order.
    WindowId Add(const SimWindow& window) {
        const WindowId id = next_++;
        windows_[id] = window;
        order_.push_back(id);
        return id;
    }
    void Remove(WindowId window) {
        windows_.erase(window);
        order_.erase(std::remove(order_.begin(), order_.end(), window), order_.end());
    }
    // To the front of its siblings.
    void Raise(WindowId window) {
        order_.erase(std::remove(order_.begin(), order_.end(), window), order_.end());
        order_.insert(order_.begin(), window);
    }
    SimWindow& operator[](WindowId window) { return windows_.at(window); }
    void SetForeground(WindowId window) { foreground_ = window; }

    WindowId ForegroundWindow() const override { return ++asked, foreground_; }
    void ForEachTopLevel(const std::function<void(WindowId)>& visit) const override {
        ++asked;
        for (const WindowId id : order_)
            if (!Of(id).parent)
                visit(id);
    }
    // Depth first, as the system's child enumeration walks.
    void ForEachDescendant(WindowId parent, const std::function<void(WindowId)>& visit) const override {
        ++asked;
        Walk(parent, visit);
    }
    uint32_t Style(WindowId window) const override { return ++asked, Of(window).style; }
    uint32_t ExStyle(WindowId) const override { return ++asked, 0; }
    ScreenRect Rect(WindowId window) const override { return ++asked, Of(window).rect; }
    WindowId SiblingAbove(WindowId window) const override {
        ++asked;
        WindowId above = 0;
        for (const WindowId id : order_) {
            if (id == window)
                return above;
            if (Of(id).parent == Of(window).parent)
                above = id;
        }
        return 0;
    }
    WindowTitle Title(WindowId window) const override {
        const std::string& title = Of(window).title;
        return ++asked, WindowTitle(title.begin(), title.end());
    }
    int32_t ClientTopOnScreen(WindowId window) const override {
        return ++asked, Of(window).rect.top + Of(window).clientTop;
    }
    uint32_t Dpi(WindowId window) const override { return ++asked, Of(window).dpi; }
    std::string ProgramPath(WindowId window) const override { return ++programQuestions, Of(window).program; }

    mutable int asked = 0; // questions so far, but for the programs'
    mutable int programQuestions = 0;

private:
    // A window that is gone answers as the system answers for one: no style, no title, no place.
    const SimWindow& Of(WindowId window) const {
        static const SimWindow gone{0, 0, "", 0, 0, "", {}};
        const auto found = windows_.find(window);
        return found == windows_.end() ? gone : found->second;
    }
    void Walk(WindowId parent, const std::function<void(WindowId)>& visit) const {
        for (const WindowId id : order_)
            if (Of(id).parent == parent) {
                visit(id);
                Walk(id, visit);
            }
    }

    std::map<WindowId, SimWindow> windows_;
    std::vector<WindowId> order_; // every window, each before the siblings below it
    WindowId next_ = 1;
    WindowId foreground_ = 0;
};

} // namespace bndx::test
