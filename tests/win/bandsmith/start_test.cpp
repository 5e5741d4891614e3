// Starting the editor without a document: the types the New dialog offers, the empty main frame,
// and the edit commands that stay unavailable even with text selected in a form.
#include "tests/win/bandsmith/bandsmith_test.h"

#include <commctrl.h>

namespace bndx::e2e {
namespace {

using BandsmithStart = BandsmithTest;

const std::vector<std::string> kTypeNames = {"Banderix Foreground", "Banderix Background", "Banderix Mail Message"};

TEST_F(BandsmithStart, OffersTheThreeTypesInAnEmptyFrameWhoseEditCommandsStayOff) {
    ASSERT_TRUE(editor.Start());
    const HWND first = editor.NewDialog();
    ASSERT_NE(first, nullptr) << editor.DescribeVisible();
    EXPECT_EQ(ListBox(first, IDC_NEW_TYPE_LIST).Texts(), kTypeNames);
    Click(first, IDCANCEL);
    ASSERT_TRUE(editor.WaitForMainFrame()) << editor.DescribeVisible();
    EXPECT_TRUE(editor.ChildFrames().empty());
    EXPECT_EQ(TextOf(editor.MainFrame()), kEditorName);

    const HWND frame = editor.MainFrame(), bar = GetDlgItem(frame, IDW_TOOLBAR);
    const HWND child = editor.NewDocument(kNewForeground);
    ASSERT_NE(child, nullptr) << editor.DescribeVisible();

    // Text selected in a field of the foreground's form: still nothing for the editor's own
    // commands to do.
    const HWND description = GetDlgItem(BandsmithProgram::FormOf(child), IDC_FOREGROUND_DESCRIPTION);
    ASSERT_TRUE(TypeText(description, "Something to cut"));
    SendMessageA(description, EM_SETSEL, 0, -1);
    ASSERT_TRUE(BringToFront(frame));
    const auto enabled = [bar](UINT id) { return SendMessageA(bar, TB_ISBUTTONENABLED, id, 0) != 0; };
    // The buttons follow the commands at the program's next idle update.
    for (const UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_TRUE(WaitFor([&] { return !enabled(id); }, 3000)) << "toolbar button " << id;
    EXPECT_TRUE(WaitFor([&] { return enabled(ID_FILE_SAVE); }, 3000)) << "the toolbar follows the document";
}

} // namespace
} // namespace bndx::e2e
