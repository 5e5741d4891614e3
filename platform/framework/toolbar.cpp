#include "platform/framework/toolbar.h"

#include "platform/framework/dock_side.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/program.h"
#include "platform/framework/scoped_gdi.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
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
    Arrange(BarShape::Row);
    for (size_t n = 0; n < commands_.size(); ++n) {
        RECT item{};
        SendMessageA(window_, TB_GETITEMRECT, n, reinterpret_cast<LPARAM>(&item));
        widths_.push_back(item.right - item.left);
    }
    SetPropA(window_, kSelfProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Toolbar::SubclassProc)));
    return true;
}

// A row ends where a button carries the wrap state; a separator left out of rows is hidden.
void Toolbar::AddButtons(const std::vector<bool>& rowEnds, bool separators) {
    while (SendMessageA(window_, TB_DELETEBUTTON, 0, 0)) {
    }
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (size_t n = 0; n < commands_.size(); ++n) {
        TBBUTTON button{};
        if (commands_[n] == 0) {
            button.fsStyle = BTNS_SEP;
            button.fsState = separators ? 0 : TBSTATE_HIDDEN;
        } else {
            button.iBitmap = image++;
            button.idCommand = static_cast<int>(commands_[n]);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        if (rowEnds[n] && n + 1 < commands_.size())
            button.fsState |= TBSTATE_WRAP;
        buttons.push_back(button);
    }
    SendMessageA(window_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

std::vector<int> Toolbar::ButtonWidths() const {
    std::vector<int> buttons;
    for (size_t n = 0; n < commands_.size(); ++n)
        if (commands_[n] != 0)
            buttons.push_back(widths_[n]);
    return buttons;
}

std::vector<bool> Toolbar::RowEndsFor(int width, bool& separators) const {
    std::vector<bool> ends(commands_.size(), false);
    separators = width >= std::accumulate(widths_.begin(), widths_.end(), 0);
    if (separators) {
        if (!ends.empty())
            ends.back() = true;
        return ends;
    }
    // Rows of buttons alone: a separator would only end or start a row.
    const std::vector<bool> buttonEnds = RowEnds(ButtonWidths(), width);
    for (size_t n = 0, button = 0; n < commands_.size(); ++n)
        if (commands_[n] != 0)
            ends[n] = buttonEnds[button++];
    return ends;
}

void Toolbar::Arrange(BarShape shape, int width) {
    shape_ = shape;
    const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
    const bool column = shape == BarShape::Column;
    SetWindowLongPtrA(window_, GWL_STYLE, column ? style | CCS_VERT : style & ~static_cast<LONG_PTR>(CCS_VERT));
    SendMessageA(window_, TB_SETINDENT, shape == BarShape::Row ? kGripWidth : 0, 0);
    bool separators = true;
    std::vector<bool> ends(commands_.size(), column);
    if (shape == BarShape::Rows)
        ends = RowEndsFor(width, separators);
    else if (!ends.empty())
        ends.back() = true;
    AddButtons(ends, separators);
    InvalidateRect(window_, nullptr, TRUE);
}

SIZE Toolbar::ButtonSize() const {
    const auto size = static_cast<DWORD>(SendMessageA(window_, TB_GETBUTTONSIZE, 0, 0));
    return {LOWORD(size), HIWORD(size)};
}

int Toolbar::Thickness(bool column) const {
    const SIZE button = ButtonSize();
    return (column ? button.cx : button.cy) + kEdge;
}

SIZE Toolbar::RowsExtent(int width) const {
    bool separators = true;
    const std::vector<bool> ends = RowEndsFor(width, separators);
    int widest = 0, row = 0, rows = 0;
    for (size_t n = 0; n < commands_.size(); ++n) {
        if (commands_[n] != 0 || separators)
            row += widths_[n];
        if (ends[n]) {
            widest = std::max(widest, row);
            row = 0;
            ++rows;
        }
    }
    return {widest + kEdge, rows * ButtonSize().cy + kEdge};
}

size_t Toolbar::RowsIn(int height) const {
    return static_cast<size_t>(std::max(1, (height - kEdge) / std::max<int>(ButtonSize().cy, 1)));
}

int Toolbar::WidthForRows(size_t rows) const {
    if (rows <= 1)
        return std::accumulate(widths_.begin(), widths_.end(), 0);
    return bndx::WidthForRows(ButtonWidths(), rows);
}

bool Toolbar::PastDragDistance(POINT at) const {
    return std::abs(at.x - dragFrom_.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(at.y - dragFrom_.y) > GetSystemMetrics(SM_CYDRAG);
}

void Toolbar::Report(DragStep step, POINT client) const {
    POINT screen = client;
    ClientToScreen(window_, &screen);
    if (drag_)
        drag_(step, screen);
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
        moved_ = false;
        dragFrom_ = at;
        SetCapture(window_);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!dragging_)
            break;
        moved_ = moved_ || PastDragDistance(at);
        if (moved_) {
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32646))); // IDC_SIZEALL
            Report(DragStep::Moving, at);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!dragging_)
            break;
        dragging_ = false;
        ReleaseCapture();
        // A click that did not move the bar leaves it where it is.
        Report(moved_ || PastDragDistance(at) ? DragStep::Dropped : DragStep::Cancelled, at);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            Report(DragStep::Cancelled, POINT{});
        }
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

// Only a row has room for a grip; a column is moved by the free space below its buttons, and a
// floating bar by its window's caption.
void Toolbar::DrawGrip() const {
    if (shape_ != BarShape::Row)
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
