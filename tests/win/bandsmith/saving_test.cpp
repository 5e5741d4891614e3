// Where documents are saved: the question asked when the chosen folder is not the data directory,
// and the answer deciding where the file goes. Each kind's words and answers are the host's to
// test; here the question is seen and answered as the user does.
#include "tests/win/bandsmith/bandsmith_test.h"

namespace bndx::e2e {
namespace {

using BandsmithSaveLocation = BandsmithTest;

TEST_F(BandsmithSaveLocation, AnotherFolderIsQuestionedAndNoSavesABackgroundAsData) {
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewBackground, child));
    const HWND form = BandsmithProgram::FormOf(child);
    ASSERT_TRUE(TypeText(GetDlgItem(form, IDC_BACKGROUND_DESCRIPTION), "My Sky #2"));
    const std::string bitmap = elsewhere / "picture.bmp";
    WriteBytes(bitmap, SolidBitmapFile(0x20A040));
    ASSERT_TRUE(SetImage(form, bitmap));

    std::string proposed;
    const std::string chosen = elsewhere / "My_Sky__2.bxb";
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE_AS, chosen, &proposed));
    EXPECT_EQ(proposed, "My_Sky__2.bxb");
    const HWND box = editor.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no question: " << editor.DescribeVisible();
    EXPECT_NE(MessageBoxText(box).find(DataDirectory()), std::string::npos) << MessageBoxText(box);
    Click(box, IDNO);

    const std::string saved = DataDirectory() + "My_Sky__2.bxb";
    EXPECT_TRUE(WaitFor([&] { return FileExists(saved); }, 5000)) << saved;
    EXPECT_FALSE(FileExists(chosen));
    EXPECT_TRUE(WaitFor([&] { return TextOf(child) == "My_Sky__2.bxb"; }, 3000)) << "the document took the file's name";
}

} // namespace
} // namespace bndx::e2e
