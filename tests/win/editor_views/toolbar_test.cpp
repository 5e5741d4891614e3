// The editor's main frame and its toolbar, moved by the user: picked up by its free end and
// dragged to each side of the frame and away from them, then resized into rows while floating
// and moved back by its window's caption.
#include "editor/app/main_frame.h"
#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bndx {
namespace {

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " - " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

RECT WindowPlace(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

// The place the outline's sides frame while they show; empty when there are none.
RECT Outline() {
    RECT outline{};
    for (HWND side = nullptr; (side = FindWindowExA(nullptr, side, "BndxDockOutline", nullptr));) {
        const RECT place = WindowPlace(side);
        if (IsWindowVisible(side))
            UnionRect(&outline, &outline, &place);
    }
    return outline;
}

// The rows the bar's buttons stand in, each button wholly inside the bar.
size_t Rows(HWND bar) {
    RECT client;
    GetClientRect(bar, &client);
    std::set<LONG> tops;
    for (LRESULT n = 0; n < SendMessageA(bar, TB_BUTTONCOUNT, 0, 0); ++n) {
        RECT item{};
        if (!SendMessageA(bar, TB_GETITEMRECT, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item)))
            continue;
        EXPECT_TRUE(item.right <= client.right && item.bottom <= client.bottom) << "button " << n << " is cut off";
        tops.insert(item.top);
    }
    return tops.size();
}

TEST(DockingToolbar, LandsWhereItsOutlineShowedOnEachSideOrFloatingAndFloatsInRowsOfAnySize) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    CMainFrame frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW));
    SetWindowPos(frame.Handle(), nullptr, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    const HWND bar = GetDlgItem(frame.Handle(), IDW_TOOLBAR);
    RECT area, status = WindowPlace(GetDlgItem(frame.Handle(), IDW_STATUS_BAR));
    GetClientRect(frame.Handle(), &area);
    MapWindowPoints(frame.Handle(), nullptr, reinterpret_cast<POINT*>(&area), 2);
    const LONG middleX = (area.left + area.right) / 2, middleY = (area.top + status.top) / 2;
    const struct {
        const char* side;
        POINT drop;
        bool column;
    } drags[] = {{"left", {area.left + 3, middleY}, true},
                 {"right", {area.right - 3, middleY}, true},
                 {"bottom", {middleX, status.top - 3}, false},
                 {"top", {middleX, area.top + 3}, false},
                 {"away", {middleX, middleY}, false}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.side);
        // Picked up by the free end of the row or column, where no button lies.
        RECT grip;
        GetClientRect(bar, &grip);
        POINT to = drag.drop;
        ScreenToClient(bar, &to);
        SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grip.right - 3, grip.bottom - 3));
        SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        const RECT shown = Outline();
        EXPECT_FALSE(IsRectEmpty(&shown)) << "no outline while the bar is dragged";
        SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        EXPECT_EQ(Describe(Outline()), Describe(RECT{})) << "the outline stays after the drop";
        const HWND holder = GetParent(bar) == frame.Handle() ? bar : GetAncestor(bar, GA_ROOT);
        EXPECT_EQ(Describe(WindowPlace(holder)), Describe(shown));
        EXPECT_TRUE(PtInRect(&shown, drag.drop)) << "landed away from the drop";
        RECT documents = WindowPlace(FindWindowExA(frame.Handle(), nullptr, "MDIClient", nullptr)), overlap;
        EXPECT_FALSE(holder == bar && IntersectRect(&overlap, &documents, &shown)) << "the documents lie under it";
        EXPECT_EQ(Rows(bar) > 1, drag.column) << "a column on the left and right, a row elsewhere";
    }

    // Floating: the window's edges reshape the buttons into rows, and the window fits them.
    const HWND floating = GetAncestor(bar, GA_ROOT);
    ASSERT_NE(floating, frame.Handle());
    RECT place = WindowPlace(floating);
    place.right = place.left + (place.right - place.left) / 3;
    SendMessageA(floating, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&place));
    MoveWindow(floating, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    const size_t narrowRows = Rows(bar);
    EXPECT_GT(narrowRows, 1u);
    place.bottom += place.bottom - place.top;
    SendMessageA(floating, WM_SIZING, WMSZ_BOTTOM, reinterpret_cast<LPARAM>(&place));
    MoveWindow(floating, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
    EXPECT_GT(Rows(bar), narrowRows) << "a taller window holds more rows";

    // Moved by its caption until the cursor is near the top of the frame, it shows where it will
    // dock and docks there.
    POINT cursor;
    GetCursorPos(&cursor);
    SendMessageA(floating, WM_ENTERSIZEMOVE, 0, 0);
    OffsetRect(&place, middleX - cursor.x, area.top + 3 - cursor.y);
    SendMessageA(floating, WM_MOVING, 0, reinterpret_cast<LPARAM>(&place));
    const RECT shown = Outline();
    SendMessageA(floating, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(GetParent(bar), frame.Handle());
    EXPECT_EQ(Describe(WindowPlace(bar)), Describe(shown));
    EXPECT_EQ(Rows(bar), 1u);
    // Floated again, a double click on its caption docks it where it was last docked.
    frame.DockToolbar(DockSide::Floating, {middleX, middleY});
    SendMessageA(GetAncestor(bar, GA_ROOT), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(Describe(WindowPlace(bar)), Describe(shown));
    DestroyWindow(frame.Handle());
}

} // namespace
} // namespace bndx
