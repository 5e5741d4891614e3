#include "platform/framework/mdi_frame.h"

#include "platform/framework/doc_application.h"
#include "platform/framework/doc_template.h"
#include "platform/framework/document.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/mdi_child.h"
#include "platform/framework/program.h"
#include "platform/framework/view.h"

#include <commctrl.h>

namespace bndx {

namespace {

constexpr char kFrameClass[] = "BndxMdiFrame";
constexpr UINT kFirstChildId = 0xFF00; // the client's Window menu entries start here
constexpr char kWindowMenuName[] = "&Window";

// The Window menu of a menu bar, for the client window to list the child frames in.
HMENU WindowMenuOf(HMENU bar) {
    if (!bar)
        return nullptr;
    for (int n = GetMenuItemCount(bar); n-- > 0;) {
        char name[64] = {};
        GetMenuStringA(bar, static_cast<UINT>(n), name, sizeof name, MF_BYPOSITION);
        if (lstrcmpA(name, kWindowMenuName) == 0)
            return GetSubMenu(bar, n);
    }
    return nullptr;
}

// How near a side of the frame a dropped toolbar must be to dock there, in pixels.
constexpr int kDockReach = 24;

// Shown by its own style, whether or not the frame is on screen yet.
bool IsShown(HWND window) {
    return window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A system command's prompt is kept under the command's own id; the system may set the low
// four bits of the id it reports.
UINT SystemCommandPromptId(UINT command) {
    return command & 0xFFF0;
}

} // namespace

MdiFrame::~MdiFrame() = default;

bool MdiFrame::LoadFrame(UINT resourceId, DWORD style) {
    resourceId_ = resourceId;
    appTitle_ = LoadProgramString(resourceId);
    defaultMenu_.Reset(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(resourceId)));
    if (HACCEL table = LoadAcceleratorsA(ProgramInstance(), MAKEINTRESOURCEA(resourceId))) {
        accelerators_.resize(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
        CopyAcceleratorTableA(table, accelerators_.data(), static_cast<int>(accelerators_.size()));
    }
    RegisterClass(kFrameClass, LoadIconA(ProgramInstance(), MAKEINTRESOURCEA(resourceId)),
                  reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    DocTemplate::SetMainFrame(this);
    return CreateEx(0, kFrameClass, appTitle_.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, nullptr, defaultMenu_.Get());
}

bool MdiFrame::OnCreate() {
    return true;
}

MdiChild* MdiFrame::ActiveChild() const {
    HWND active = reinterpret_cast<HWND>(SendMessageA(client_, WM_MDIGETACTIVE, 0, 0));
    if (!active)
        return nullptr;
    return dynamic_cast<MdiChild*>(reinterpret_cast<Window*>(GetWindowLongPtrA(active, GWLP_USERDATA)));
}

std::vector<CommandTarget*> MdiFrame::Route() const {
    std::vector<CommandTarget*> route;
    if (MdiChild* child = ActiveChild()) {
        if (View* view = child->GetView())
            route.push_back(view);
        if (Document* document = child->GetDocument())
            route.push_back(document);
        route.push_back(child);
    }
    route.push_back(const_cast<MdiFrame*>(this));
    route.push_back(&DocApplication::Current());
    return route;
}

bool MdiFrame::IsCommandEnabled(UINT id) {
    for (CommandTarget* target : Route()) {
        bool enabled = false;
        if (target->HasCommand(id, enabled))
            return enabled;
    }
    return false;
}

bool MdiFrame::RouteCommand(UINT id) {
    for (CommandTarget* target : Route()) {
        bool enabled = false;
        if (target->HasCommand(id, enabled))
            return enabled && target->RunCommand(id);
    }
    return false;
}

bool MdiFrame::HasCommand(UINT id, bool& enabled) {
    switch (id) {
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        enabled = true;
        return true;
    case ID_WINDOW_NEW:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
        enabled = ActiveChild() != nullptr;
        return true;
    default:
        return false;
    }
}

bool MdiFrame::RunCommand(UINT id) {
    switch (id) {
    case ID_VIEW_TOOLBAR:
        ToggleBar(toolbar_.Handle());
        return true;
    case ID_VIEW_STATUS_BAR:
        ToggleBar(statusBar_.Handle());
        return true;
    case ID_WINDOW_NEW: {
        MdiChild* child = ActiveChild();
        if (MdiChild* frame = child->Template().CreateNewFrame(*child->GetDocument()))
            frame->InitialUpdate();
        return true;
    }
    case ID_WINDOW_ARRANGE:
        SendMessageA(client_, WM_MDIICONARRANGE, 0, 0);
        return true;
    case ID_WINDOW_CASCADE:
        SendMessageA(client_, WM_MDICASCADE, 0, 0);
        return true;
    case ID_WINDOW_TILE_HORZ:
        SendMessageA(client_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
        return true;
    default:
        return false;
    }
}

void MdiFrame::ToggleBar(HWND bar) {
    const bool show = !IsWindowVisible(bar);
    if (bar == toolbar_.Handle() && toolbarSide_ == DockSide::Floating) {
        ShowWindow(floating_.Handle(), show ? SW_SHOWNA : SW_HIDE);
        return;
    }
    ShowWindow(bar, show ? SW_SHOW : SW_HIDE);
    Layout();
}

DockArea MdiFrame::BarArea() const {
    RECT area;
    GetClientRect(Handle(), &area);
    if (IsShown(statusBar_.Handle())) {
        RECT bar;
        GetWindowRect(statusBar_.Handle(), &bar);
        area.bottom -= bar.bottom - bar.top;
    }
    return {area.left, area.top, area.right, area.bottom};
}

void MdiFrame::Layout() {
    if (IsShown(statusBar_.Handle()))
        statusBar_.Layout();
    DockArea area = BarArea();
    HWND bar = toolbar_.Handle();
    if (toolbarSide_ != DockSide::Floating && IsShown(bar)) {
        const int thickness = toolbar_.Thickness(IsVertical(toolbarSide_));
        const DockArea place = DockedPlace(toolbarSide_, area, thickness);
        MoveWindow(bar, place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top, TRUE);
        area = AreaBeside(toolbarSide_, area, thickness);
    }
    MoveWindow(client_, area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top, TRUE);
}

void MdiFrame::DockToolbar(DockSide side, POINT where) {
    HWND bar = toolbar_.Handle();
    if (!bar)
        return;
    if (side == DockSide::Floating) {
        if (!floating_.Hold(Handle(), where))
            return;
    } else {
        if (GetParent(bar) != Handle())
            SetParent(bar, Handle());
        toolbar_.Arrange(IsVertical(side) ? BarShape::Column : BarShape::Row);
        if (floating_.Handle())
            ShowWindow(floating_.Handle(), SW_HIDE);
        lastDocked_ = side;
    }
    // Commands and tooltips come to the frame wherever the bar sits.
    SendMessageA(bar, TB_SETPARENT, reinterpret_cast<WPARAM>(Handle()), 0);
    toolbarSide_ = side;
    Layout();
    // The documents' windows keep their place in the client area that moved; their frames are
    // drawn again too, which moving the client alone leaves undone.
    RedrawWindow(client_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

DockSide MdiFrame::SideAt(POINT screen) const {
    ScreenToClient(Handle(), &screen);
    return DockSideAt(screen.x, screen.y, BarArea(), kDockReach);
}

RECT MdiFrame::LandingPlace(POINT screen) const {
    const DockSide side = SideAt(screen);
    if (side == DockSide::Floating)
        return floating_.PlaceAt(screen);
    const DockArea place = DockedPlace(side, BarArea(), toolbar_.Thickness(IsVertical(side)));
    RECT landing{place.Left, place.Top, place.Right, place.Bottom};
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&landing), 2);
    return landing;
}

void MdiFrame::OnToolbarDrag(DragStep step, POINT screen) {
    if (step == DragStep::Moving) {
        outline_.Show(Handle(), LandingPlace(screen));
        return;
    }
    outline_.Hide();
    if (step == DragStep::Dropped)
        DockToolbar(SideAt(screen), screen);
}

// A floating bar shows its own place while it moves; the outline shows only where it would dock.
void MdiFrame::OnFloatingBarMoving(POINT screen) {
    if (SideAt(screen) == DockSide::Floating)
        outline_.Hide();
    else
        outline_.Show(Handle(), LandingPlace(screen));
}

void MdiFrame::OnFloatingBarMoved(POINT screen) {
    outline_.Hide();
    const DockSide side = SideAt(screen);
    if (side != DockSide::Floating)
        DockToolbar(side);
}

void MdiFrame::OnChildActivated(MdiChild* child) {
    HMENU menu = child && child->Template().Menu() ? child->Template().Menu() : defaultMenu_.Get();
    if (GetMenu(Handle()) != menu) {
        SendMessageA(client_, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                     reinterpret_cast<LPARAM>(WindowMenuOf(menu)));
        DrawMenuBar(Handle());
    }
    UpdateTitle();
}

void MdiFrame::UpdateTitle() {
    std::string title = appTitle_;
    if (MdiChild* child = ActiveChild()) {
        if (Document* document = child->GetDocument())
            title += " - " + document->Title();
    }
    SetWindowTextA(Handle(), title.c_str());
}

void MdiFrame::UpdateMenu(HMENU popup) {
    DocApplication::Current().UpdateRecentFileMenu(popup);
    for (int n = 0; n < GetMenuItemCount(popup); ++n) {
        const UINT id = GetMenuItemID(popup, n);
        if (id == 0 || id == static_cast<UINT>(-1) || id >= kFirstChildId)
            continue; // separators, submenus and the client's own entries
        EnableMenuItem(popup, id, MF_BYCOMMAND | (IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
        if (id == ID_VIEW_TOOLBAR || id == ID_VIEW_STATUS_BAR) {
            HWND bar = id == ID_VIEW_TOOLBAR ? toolbar_.Handle() : statusBar_.Handle();
            CheckMenuItem(popup, id, MF_BYCOMMAND | (IsWindowVisible(bar) ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

void MdiFrame::ShowPrompt(UINT item, UINT flags) {
    if (flags == 0xFFFF) {
        statusBar_.SetMessage(LoadProgramString(IDS_IDLE_MESSAGE));
        return;
    }
    if (flags & (MF_POPUP | MF_SEPARATOR)) {
        statusBar_.SetMessage("");
        return;
    }
    if (flags & MF_SYSMENU) {
        statusBar_.SetMessage(CommandPrompt(SystemCommandPromptId(item)));
        return;
    }
    statusBar_.SetMessage(CommandPrompt(item));
}

void MdiFrame::OnIdle() {
    for (UINT command : toolbar_.Commands())
        if (command != 0)
            toolbar_.Enable(command, IsCommandEnabled(command));
    statusBar_.UpdateIndicators();
}

bool MdiFrame::TranslateAccelerators(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    BYTE modifiers = FVIRTKEY;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= FCONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= FSHIFT;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= FALT;
    for (const ACCEL& accelerator : accelerators_) {
        if (accelerator.key != message.wParam ||
            (accelerator.fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT)) != modifiers)
            continue;
        // A key whose command cannot run now goes on to the control that has the focus, so
        // that an edit box keeps its own Ctrl+C while the program offers no Copy.
        if (!IsCommandEnabled(accelerator.cmd))
            return false;
        RouteCommand(accelerator.cmd);
        return true;
    }
    return false;
}

bool MdiFrame::PreTranslateMessage(MSG& message) {
    if (TranslateMDISysAccel(client_, &message))
        return true;
    if (TranslateAccelerators(message))
        return true;
    if (MdiChild* child = ActiveChild()) {
        HWND view = child->GetView() ? child->GetView()->Handle() : nullptr;
        if (view && (message.hwnd == view || IsChild(view, message.hwnd)) && IsDialogMessageA(view, &message))
            return true;
    }
    return false;
}

LRESULT MdiFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT client{WindowMenuOf(defaultMenu_.Get()), kFirstChildId};
        client_ = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                  Handle(), nullptr, ProgramInstance(), &client);
        if (!client_ || !OnCreate())
            return -1;
        if (toolbar_.Handle())
            toolbar_.OnDrag([this](DragStep step, POINT screen) { OnToolbarDrag(step, screen); });
        statusBar_.SetMessage(LoadProgramString(IDS_IDLE_MESSAGE));
        return 0;
    }
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        if (id < kFirstChildId && RouteCommand(id))
            return 0;
        break;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            UpdateMenu(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_MENUSELECT:
        ShowPrompt(LOWORD(wParam), HIWORD(wParam) == 0xFFFF && !lParam ? 0xFFFF : HIWORD(wParam));
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA) {
            auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            tooltip_ = CommandTooltip(static_cast<UINT>(header->idFrom));
            tip->lpszText = tooltip_.data();
            return 0;
        }
        if (header->code == TBN_HOTITEMCHANGE) {
            const auto* hot = reinterpret_cast<NMTBHOTITEM*>(lParam);
            ShowPrompt(hot->dwFlags & HICF_LEAVING ? 0 : static_cast<UINT>(hot->idNew),
                       hot->dwFlags & HICF_LEAVING ? 0xFFFF : 0);
            return 0;
        }
        break;
    }
    case WM_QUERYENDSESSION:
        return MayEndSession(lParam) ? TRUE : FALSE;
    case WM_CLOSE:
        if (DocApplication::Current().SaveAllModified()) {
            DocApplication::Current().CloseAllDocuments();
            DestroyWindow(Handle());
        }
        return 0;
    case WM_DESTROY:
        // The template menus belong to the templates; only our own menu goes with the window.
        SetMenu(Handle(), nullptr);
        defaultMenu_.Reset();
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

// Windows asks whether the session may end: each changed document is offered for saving as at
// Close, and Cancel keeps the session going rather than losing the changes. When Windows ends it
// regardless there is no time to ask; while a dialog of ours is open, a question would be stacked
// on it, so the session waits.
bool MdiFrame::MayEndSession(LPARAM reason) {
    DocApplication& application = DocApplication::Current();
    if ((reason & ENDSESSION_CRITICAL) || !application.HasModifiedDocuments())
        return true;
    return IsWindowEnabled(Handle()) && application.SaveAllModified();
}

LRESULT MdiFrame::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(Handle(), client_, message, wParam, lParam);
}

} // namespace bndx
