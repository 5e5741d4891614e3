#include "tests/win/bandsmith/bandsmith_test.h"

namespace bndx::e2e {

bool MessageProgramRunning() {
    return FindWindowA("Banderix_Mail_Class", nullptr) != nullptr;
}

BandsmithTest::BandsmithTest() {
    CreateDirectoryA((installation / "Data").c_str(), nullptr);
    settings.Write("[Main]\nPath=" + installation.Path() + "\n");
}

void BandsmithTest::TearDown() {
    // A message still scrolling would paint over the next test's windows.
    WaitFor([] { return !MessageProgramRunning(); }, kScrollTimeoutMs);
    if (HasFailure())
        SaveScreen(editor, "failed");
    if (editor.Running()) {
        EXPECT_TRUE(editor.Exit()) << "Exit did not end the editor: " << editor.DescribeVisible();
    }
}

::testing::AssertionResult BandsmithTest::StartWithNew(NewType type, HWND& child) {
    if (!editor.Start())
        return ::testing::AssertionFailure() << "Bandsmith did not start";
    child = editor.ChooseNewType(type);
    if (!child)
        return ::testing::AssertionFailure() << "no new document: " << editor.DescribeVisible();
    if (!editor.WaitForMainFrame())
        return ::testing::AssertionFailure() << "the main frame did not settle: " << editor.DescribeVisible();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BandsmithTest::SaveThroughDialog(std::string* proposed) {
    editor.Command(ID_FILE_SAVE);
    const HWND dialog = WaitForFileDialog(editor.ProcessId(), kSaveAsTitle);
    if (!dialog)
        return ::testing::AssertionFailure() << "no Save As dialog: " << editor.DescribeVisible();
    if (proposed)
        *proposed = FileDialogName(dialog);
    if (!ChooseFile(dialog))
        return ::testing::AssertionFailure() << "the Save As dialog did not take the name it proposed";
    return ::testing::AssertionSuccess();
}

} // namespace bndx::e2e
