// The main frame of a multiple-document program: the client area holding the child frames, the
// menus of the active document's kind, the toolbar and status bar, and the command route from
// menus, accelerators and buttons to the active view, its document, its frame, this frame and
// the application.
#pragma once

#include "platform/framework/command_target.h"
#include "platform/framework/dock_outline.h"
#include "platform/framework/dock_side.h"
#include "platform/framework/floating_bar.h"
#include "platform/framework/status_bar.h"
#include "platform/framework/toolbar.h"
#include "platform/framework/win32_handles.h"
#include "platform/framework/window.h"

#include <string>
#include <vector>

namespace bndx {

class MdiChild;

class MdiFrame : public Window, public CommandTarget {
public:
    MdiFrame() = default;
    ~MdiFrame() override;

    // Makes the frame from resource id: menu, icon, accelerators and title string. False when
    // the window, its toolbar or its status bar could not be made.
    bool LoadFrame(UINT resourceId, DWORD style);

    HWND Client() const { return client_; }
    MdiChild* ActiveChild() const;
    const std::string& AppTitle() const { return appTitle_; }

    // Accelerators and dialog keys of the active form, before the message is dispatched.
    bool PreTranslateMessage(MSG& message);
    // Brings the toolbar and indicators up to date while the program waits for input.
    void OnIdle();
    // Called by a child frame when it becomes active (or by none left active).
    void OnChildActivated(MdiChild* child);
    // The title: the program's name, then the active document's.
    void UpdateTitle();

    // Docks the toolbar along a side of the frame, or floats it with its window's top left at
    // where (screen coordinates). The user does the same by dragging the bar, with an outline
    // showing where it will land.
    void DockToolbar(DockSide side, POINT where = {});
    // Where the toolbar would land, on screen, if let go at this point of the screen.
    RECT LandingPlace(POINT screen) const;

    bool IsCommandEnabled(UINT id);
    bool RouteCommand(UINT id);

    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

protected:
    // Called when the window has been made, to add the bars; false refuses the window.
    virtual bool OnCreate();
    Toolbar& GetToolbar() { return toolbar_; }
    StatusBar& GetStatusBar() { return statusBar_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CommandTarget*> Route() const;
    bool TranslateAccelerators(const MSG& message);
    void UpdateMenu(HMENU popup);
    void ShowPrompt(UINT item, UINT flags);
    void Layout();
    void ToggleBar(HWND bar);
    DockArea BarArea() const;
    // Where a bar let go at this point of the screen docks.
    DockSide SideAt(POINT screen) const;
    void OnToolbarDrag(DragStep step, POINT screen);
    void OnFloatingBarMoving(POINT screen);
    void OnFloatingBarMoved(POINT screen);
    bool MayEndSession(LPARAM reason);

    UINT resourceId_ = 0;
    HWND client_ = nullptr;
    UniqueMenu defaultMenu_;
    std::vector<ACCEL> accelerators_;
    std::string appTitle_;
    Toolbar toolbar_;
    DockSide toolbarSide_ = DockSide::Top;
    // Where a floating bar goes back to when its caption is double-clicked.
    DockSide lastDocked_ = DockSide::Top;
    FloatingBar floating_{toolbar_,
                          {[this](POINT screen) { OnFloatingBarMoving(screen); },
                           [this](POINT screen) { OnFloatingBarMoved(screen); }, [this] { DockToolbar(lastDocked_); }}};
    DockOutline outline_;
    StatusBar statusBar_;
    std::string tooltip_; // the text a tooltip shows, kept while it asks for the next
};

} // namespace bndx
