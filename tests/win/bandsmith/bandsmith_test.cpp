#include "tests/win/bandsmith/bandsmith_test.h"

#include <fstream>
#include <iterator>

namespace bndx::e2e {

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool MessageProgramRunning() {
    return FindWindowA("Banderix_Mail_Class", nullptr) != nullptr;
}

BandsmithTest::BandsmithTest() {
    CreateDirectoryA((installation / "Data").c_str(), nullptr);
    UseInstallation(installation.Path());
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

void BandsmithTest::UseInstallation(const std::string& folder, const std::string& moreSettings) {
    installation_ = folder;
    settings.Write("[Main]\nPath=" + folder + "\n" + moreSettings);
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
