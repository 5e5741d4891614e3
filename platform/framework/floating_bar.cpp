#include "platform/framework/floating_bar.h"

#include <algorithm>
#include <utility>

namespace bndx {

namespace {

constexpr char kFloatingBarClass[] = "BndxFloatingBar";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

// The window's size around a client area of this size.
SIZE FrameSize(SIZE client) {
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace

int FloatingBar::RowWidth() const {
    return rowWidth_ > 0 ? rowWidth_ : bar_.WidthForRows(1);
}

RECT FloatingBar::PlaceAt(POINT where) const {
    const SIZE size = FrameSize(bar_.RowsExtent(RowWidth()));
    return {where.x, where.y, where.x + size.cx, where.y + size.cy};
}

bool FloatingBar::Hold(HWND owner, POINT where) {
    if (!Handle()) {
        RegisterClass(kFloatingBarClass, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (!CreateEx(kExStyle, kFloatingBarClass, "", kStyle, 0, 0, 0, 0, owner, nullptr))
            return false;
    }
    SetParent(bar_.Handle(), Handle());
    bar_.Arrange(BarShape::Rows, RowWidth());
    const RECT place = PlaceAt(where);
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(bar_.Handle(), SW_SHOWNA);
    ShowWindow(Handle(), SW_SHOWNA);
    return true;
}

void FloatingBar::FitRows(UINT edge, RECT& place) {
    const SIZE frame = FrameSize({0, 0});
    const int clientWidth = place.right - place.left - frame.cx;
    const int clientHeight = place.bottom - place.top - frame.cy;
    // Dragging the top or bottom edge asks for a number of rows; any other edge, for a width.
    if (edge == WMSZ_TOP || edge == WMSZ_BOTTOM) {
        rowWidth_ = bar_.WidthForRows(bar_.RowsIn(clientHeight));
    } else {
        rowWidth_ = std::max(clientWidth, 1);
    }
    // The narrowest the rows really take, so the window fits them exactly.
    const SIZE size = FrameSize(bar_.RowsExtent(rowWidth_));
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
        place.left = place.right - size.cx;
    else
        place.right = place.left + size.cx;
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
        place.top = place.bottom - size.cy;
    else
        place.bottom = place.top + size.cy;
    bar_.Arrange(BarShape::Rows, rowWidth_);
}

LRESULT FloatingBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The bar comes back through the View menu, where this window was left.
        ShowWindow(Handle(), SW_HIDE);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTCAPTION)
            break;
        handlers_.dockAgain();
        return 0;
    case WM_GETMINMAXINFO: {
        // As narrow as one column and as low as one row, which the system would not allow a
        // window with a caption.
        const SIZE column = FrameSize(bar_.RowsExtent(bar_.WidthForRows(bar_.Commands().size())));
        const SIZE row = FrameSize(bar_.RowsExtent(bar_.WidthForRows(1)));
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {column.cx, row.cy};
        return 0;
    }
    case WM_SIZING:
        FitRows(static_cast<UINT>(wParam), *reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_SIZE:
        MoveWindow(bar_.Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_ENTERSIZEMOVE: {
        // The cursor keeps its place on the window while the window moves with it.
        RECT place;
        GetWindowRect(Handle(), &place);
        GetCursorPos(&grab_);
        grab_.x -= place.left;
        grab_.y -= place.top;
        break;
    }
    case WM_MOVING: {
        const auto& place = *reinterpret_cast<const RECT*>(lParam);
        moving_ = true;
        cursor_ = {place.left + grab_.x, place.top + grab_.y};
        handlers_.moving(cursor_);
        break;
    }
    case WM_EXITSIZEMOVE:
        // Only a move can end near a side; a resize stays where it was.
        if (std::exchange(moving_, false))
            handlers_.moved(cursor_);
        return 0;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace bndx
