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

::testing::AssertionResult BandsmithTest::SaveThroughDialog(UINT command, const std::string& path,
                                                            std::string* proposed) {
    editor.Command(command);
    const HWND dialog = WaitForFileDialog(editor.ProcessId(), kSaveAsTitle);
    if (!dialog)
        return ::testing::AssertionFailure() << "no Save As dialog: " << editor.DescribeVisible();
    if (proposed)
        *proposed = FileDialogName(dialog);
    if (!ChooseFile(dialog, path))
        return ::testing::AssertionFailure() << "the Save As dialog did not take " << path;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BandsmithTest::NewMailMessage(const std::string& name, const std::string& address,
                                                         const std::string& subject, const std::string& message,
                                                         HWND& form) {
    HWND child = nullptr;
    if (const auto started = StartWithNew(kNewMailMessage, child); !started)
        return started;
    form = BandsmithProgram::FormOf(child);
    const std::pair<int, std::string> fields[] = {
        {IDC_MAIL_NAME, name}, {IDC_MAIL_ADDRESS, address}, {IDC_MAIL_SUBJECT, subject}, {IDC_MAIL_MESSAGE, message}};
    for (const auto& [id, text] : fields)
        if (!TypeText(GetDlgItem(form, id), text))
            return ::testing::AssertionFailure() << "field " << id << " did not take \"" << text << "\"";
    return ::testing::AssertionSuccess();
}

} // namespace bndx::e2e
