// Starting the editor without a document: the types the New dialog offers, the empty main frame
// whose toolbar docks on any side or floats, and the edit commands that stay unavailable even
// with text selected in a form.
#include "tests/win/bandsmith/bandsmith_test.h"

#include <commctrl.h>

namespace bndx::e2e {
namespace {

using BandsmithStart = BandsmithTest;

const std::vector<std::string> kTypeNames = {"Banderix Foreground", "Banderix Background", "Banderix Mail Message"};

// The window's rectangle in the frame's client coordinates.
RECT PlaceIn(HWND frame, HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Picks the bar up by its free corner, where no button lies, and lets go at a point of the frame.
void DragBar(HWND bar, HWND frame, POINT drop) {
    RECT bounds;
    GetClientRect(bar, &bounds);
    MapWindowPoints(frame, bar, &drop, 1);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bounds.right - 3, bounds.bottom - 3));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
}

TEST_F(BandsmithStart, OffersTheThreeTypesInAnEmptyFrameWhoseToolbarDocksOrFloatsAndWhoseEditCommandsStayOff) {
    ASSERT_TRUE(editor.Start());
    const HWND first = editor.NewDialog();
    ASSERT_NE(first, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(ListBox(first, IDC_NEW_TYPE_LIST).Texts(), kTypeNames);
    Click(first, IDCANCEL);
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    EXPECT_TRUE(editor.ChildFrames().empty());
    EXPECT_EQ(TextOf(editor.MainFrame()), kEditorName);

    const HWND frame = editor.MainFrame(), bar = GetDlgItem(frame, IDW_TOOLBAR);
    const HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    RECT area;
    GetClientRect(frame, &area);
    DragBar(bar, frame, {3, area.bottom / 2});
    RECT place = PlaceIn(frame, bar);
    EXPECT_GT(place.bottom - place.top, place.right - place.left) << "the buttons stand in a column";
    EXPECT_EQ(PlaceIn(frame, client).left, place.right) << "the documents' area begins beside it";
    DragBar(bar, frame, {area.right / 2, area.bottom / 2});
    const HWND floating = GetAncestor(bar, GA_ROOT);
    ASSERT_NE(floating, frame);
    EXPECT_EQ(PlaceIn(frame, client).left, 0) << "the documents' area takes the whole width";
    SendMessageA(floating, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(GetParent(bar), frame) << "a double click on its caption docks it where it was";
    EXPECT_EQ(PlaceIn(frame, bar).left, 0);

    const HWND child = editor.NewDocument(kNewForeground);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();

    // Text selected in a field of the foreground's form: still nothing for the editor's own
    // commands to do.
    const HWND description = GetDlgItem(BandsmithProgram::FormOf(child), IDC_FOREGROUND_DESCRIPTION);
    ASSERT_TRUE(TypeText(description, "Something to cut"));
    SendMessageA(description, EM_SETSEL, 0, -1);
    ASSERT_TRUE(BringToFront(frame));
    const auto enabled = [bar](UINT id) { return SendMessageA(bar, TB_ISBUTTONENABLED, id, 0) != 0; };
    // Buttons laid out afresh, as docking does, are enabled until the next idle update.
    for (const UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_TRUE(WaitFor([&] { return !enabled(id); }, 3000)) << "toolbar button " << id;
    EXPECT_TRUE(enabled(ID_FILE_SAVE)) << "the toolbar follows the document";
}

} // namespace
} // namespace bndx::e2e
