#include "platform/framework/toolbar.h"

#include "platform/framework/framework_ids.h"
#include "platform/framework/program.h"
#include "platform/framework/scoped_gdi.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace bndx {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
// Room before the first button for the grip the bar is moved by, and around the buttons.
constexpr int kGripWidth = 8;
constexpr int kEdge = 2;
constexpr char kSelfProperty[] = "BndxToolbar";

// The toolbar resource: a count, then that many command ids, 0 for a separator.
std::vector<UINT> LoadToolbarIds(UINT resourceId) {
    std::vector<UINT> ids;
    const HINSTANCE instance = ProgramInstance();
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_IDS));
    if (!found)
        return ids;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    const DWORD size = SizeofResource(instance, found);
    if (!data || size < sizeof(WORD))
        return ids;
    WORD count = 0;
    std::memcpy(&count, data, sizeof count);
    for (DWORD n = 0; n < count && (n + 2) * sizeof(WORD) <= size; ++n) {
        WORD id = 0;
        std::memcpy(&id, data + (n + 1) * sizeof(WORD), sizeof id);
        ids.push_back(id);
    }
    return ids;
}

} // namespace

std::string CommandTooltip(UINT command) {
    const std::string prompt = LoadProgramString(command);
    const size_t newline = prompt.find('\n');
    return newline == std::string::npos ? std::string() : prompt.substr(newline + 1);
}

std::string CommandPrompt(UINT command) {
    const std::string prompt = LoadProgramString(command);
    return prompt.substr(0, prompt.find('\n'));
}

bool Toolbar::Create(HWND parent, UINT id, UINT resourceId) {
    commands_ = LoadToolbarIds(resourceId);
    if (commands_.empty())
        return false;
    // Placed by the frame, on whichever side the bar is docked.
    window_ = CreateWindowExA(
        0, TOOLBARCLASSNAMEA, nullptr,
        WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ProgramInstance(), nullptr);
    if (!window_)
        return false;
    SendMessageA(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));
    int images = 0;
    for (UINT command : commands_)
        images += command != 0 ? 1 : 0;
    TBADDBITMAP bitmap{ProgramInstance(), resourceId};
    if (SendMessageA(window_, TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&bitmap)) < 0)
        return false;
    SendMessageA(window_, TB_SETINDENT, kGripWidth, 0);
    AddButtons();
    SetPropA(window_, kSelfProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Toolbar::SubclassProc)));
    return true;
}

// A column is a row in which every button ends its line.
void Toolbar::AddButtons() {
    while (SendMessageA(window_, TB_DELETEBUTTON, 0, 0)) {
    }
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (UINT command : commands_) {
        TBBUTTON button{};
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(command);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        if (vertical_)
            button.fsState |= TBSTATE_WRAP;
        buttons.push_back(button);
    }
    SendMessageA(window_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void Toolbar::SetVertical(bool vertical) {
    if (vertical == vertical_)
        return;
    vertical_ = vertical;
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    SetWindowLongPtrA(window_, GWL_STYLE, vertical ? style | CCS_VERT : style & ~static_cast<LONG_PTR>(CCS_VERT));
    SendMessageA(window_, TB_SETINDENT, vertical ? 0 : kGripWidth, 0);
    AddButtons();
    InvalidateRect(window_, nullptr, TRUE);
}

SIZE Toolbar::Extent() const {
    SIZE extent{0, 0};
    const int count = static_cast<int>(SendMessageA(window_, TB_BUTTONCOUNT, 0, 0));
    for (int n = 0; n < count; ++n) {
        RECT item{};
        SendMessageA(window_, TB_GETITEMRECT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
        extent.cx = std::max(extent.cx, item.right);
        extent.cy = std::max(extent.cy, item.bottom);
    }
    extent.cx += kEdge;
    extent.cy += kEdge;
    return extent;
}

LRESULT CALLBACK Toolbar::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Toolbar*>(GetPropA(window, kSelfProperty));
    if (message == WM_NCDESTROY && self) {
        RemovePropA(window, kSelfProperty);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->original_));
        return CallWindowProcA(self->original_, window, message, wParam, lParam);
    }
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // The system's frames are below: nothing may unwind through them.
        self->dragging_ = false;
        return 0;
    }
}

LRESULT Toolbar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN: {
        POINT hit = at;
        // A press on a button is the button's; anywhere else on the bar picks the bar up.
        if (SendMessageA(window_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0)
            break;
        dragging_ = true;
        dragFrom_ = at;
        SetCapture(window_);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!dragging_)
            break;
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32646))); // IDC_SIZEALL
        return 0;
    case WM_LBUTTONUP: {
        if (!dragging_)
            break;
        dragging_ = false;
        ReleaseCapture();
        // A click that did not move the bar leaves it where it is.
        if (std::abs(at.x - dragFrom_.x) <= GetSystemMetrics(SM_CXDRAG) &&
            std::abs(at.y - dragFrom_.y) <= GetSystemMetrics(SM_CYDRAG))
            return 0;
        POINT screen = at;
        ClientToScreen(window_, &screen);
        if (dropped_)
            dropped_(screen);
        return 0;
    }
    case WM_CAPTURECHANGED:
        dragging_ = false;
        break;
    case WM_ERASEBKGND: {
        // A flat bar would show whatever lies behind it: the frame's dark workspace colour.
        RECT client;
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_PAINT: {
        const LRESULT result = CallWindowProcA(original_, window_, message, wParam, lParam);
        DrawGrip();
        return result;
    }
    default:
        break;
    }
    return CallWindowProcA(original_, window_, message, wParam, lParam);
}

// A column has no room for a grip above its buttons; it is moved by the free space below them.
void Toolbar::DrawGrip() const {
    if (vertical_)
        return;
    const ClientDc dc(window_);
    RECT client;
    GetClientRect(window_, &client);
    for (int n = 0; n < 2; ++n) {
        RECT ridge{2 + 3 * n, client.top + 2, 5 + 3 * n, client.bottom - 2};
        DrawEdge(dc.Get(), &ridge, BDR_RAISEDINNER, BF_RECT);
    }
}

void Toolbar::Enable(UINT command, bool enable) const {
    const bool enabled = SendMessageA(window_, TB_ISBUTTONENABLED, command, 0) != 0;
    if (enabled != enable)
        SendMessageA(window_, TB_ENABLEBUTTON, command, MAKELPARAM(enable, 0));
}

} // namespace bndx
