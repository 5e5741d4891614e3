// Where documents are saved: the question each kind asks when the chosen folder is not the data
// directory, answered either way, and the lines of a text file imported into a foreground.
#include "tests/win/bandsmith/bandsmith_test.h"

#include "common/line_records.h"

#include <cstdio>

namespace bndx::e2e {
namespace {

struct SaveCase {
    const char* name;
    NewType type;
    const char* description;
    const char* proposal; // the description made a file name
    const char* question; // with %s for the data directory
    int answer;
    bool inDataDirectory;
};

constexpr char kBackgroundQuestion[] =
    "For Banderix to find and load Backgrounds, they must be saved to the %s directory.  Click YES to save to the "
    "directory you have specified or NO to save to the default Banderix Data directory.";
constexpr char kForegroundQuestion[] =
    "For Banderix to load Foregrounds, they must be saved to the %s directory.  You have selected another "
    "directory.  Click Yes to save to the default Banderix Data directory.";

using BandsmithSaveLocation = TableTest<BandsmithTest, SaveCase>;

TEST_P(BandsmithSaveLocation, AnotherFolderIsQuestionedAndTheAnswerDecidesWhereTheFileGoes) {
    const SaveCase& c = GetParam();
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(c.type, child));
    const HWND form = BandsmithProgram::FormOf(child);
    const int description = c.type == kNewBackground ? IDC_BACKGROUND_DESCRIPTION : IDC_FOREGROUND_DESCRIPTION;
    ASSERT_TRUE(TypeText(GetDlgItem(form, description), c.description));
    if (c.type == kNewBackground) {
        const std::string bitmap = elsewhere / "picture.bmp";
        WriteBytes(bitmap, SolidBitmapFile(0x20A040));
        ASSERT_TRUE(SetImage(form, bitmap));
    }

    std::string proposed;
    const std::string chosen = elsewhere / c.proposal;
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE_AS, chosen, &proposed));
    EXPECT_EQ(proposed, c.proposal);
    const HWND box = editor.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no question: " << editor.DescribeVisible();
    char question[1024];
    std::snprintf(question, sizeof question, c.question, DataDirectory().c_str());
    EXPECT_EQ(MessageBoxText(box), question);
    Click(box, c.answer);

    const std::string expected = c.inDataDirectory ? DataDirectory() + c.proposal : chosen;
    const std::string other = c.inDataDirectory ? chosen : DataDirectory() + c.proposal;
    EXPECT_TRUE(WaitFor([&] { return FileExists(expected); }, 5000)) << expected;
    EXPECT_FALSE(FileExists(other)) << other;
    EXPECT_TRUE(WaitFor([&] { return TextOf(child) == c.proposal; }, 3000)) << "the document took the file's name";
}

INSTANTIATE_TEST_SUITE_P(Answers, BandsmithSaveLocation,
                         ::testing::Values(SaveCase{"BackgroundYesKeepsTheFolder", kNewBackground, "My Sky #2",
                                                    "My_Sky__2.bxb", kBackgroundQuestion, IDYES, false},
                                           SaveCase{"BackgroundNoMeansData", kNewBackground, "My Sky #2",
                                                    "My_Sky__2.bxb", kBackgroundQuestion, IDNO, true},
                                           SaveCase{"ForegroundYesMeansData", kNewForeground, "Wise words!",
                                                    "Wise_words_.bxf", kForegroundQuestion, IDYES, true},
                                           SaveCase{"ForegroundNoKeepsTheFolder", kNewForeground, "Wise words!",
                                                    "Wise_words_.bxf", kForegroundQuestion, IDNO, false}),
                         CaseName<SaveCase>);

using BandsmithImport = BandsmithTest;

TEST_F(BandsmithImport, TheFirstLineDescribesTheForegroundAndTheOthersBecomeItsLines) {
    const std::string text = elsewhere / "lines.txt";
    const std::string content = "Imported words\r\n   one  \r\n\r\ntwo\r\n";
    WriteBytes(text, std::vector<uint8_t>(content.begin(), content.end()));
    HWND child = nullptr;
    ASSERT_TRUE(StartWithNew(kNewForeground, child));
    const HWND form = BandsmithProgram::FormOf(child);

    Click(form, IDC_IMPORT_STRINGS);
    const HWND dialog = WaitForFileDialog(editor.ProcessId(), kOpenTitle);
    ASSERT_NE(dialog, nullptr) << editor.DescribeVisible();
    ASSERT_TRUE(ChooseFile(dialog, text));
    const HWND description = GetDlgItem(form, IDC_FOREGROUND_DESCRIPTION);
    EXPECT_TRUE(WaitFor([&] { return TextOf(description) == "Imported words"; }, 3000)) << TextOf(description);

    std::string proposed;
    ASSERT_TRUE(SaveThroughDialog(ID_FILE_SAVE, {}, &proposed));
    EXPECT_EQ(proposed, "Imported_words.bxf");
    const std::string saved = DataDirectory() + "Imported_words.bxf";
    ASSERT_TRUE(WaitFor([&] { return FileExists(saved); }, 5000)) << "no question for the data directory";
    // Each imported line went to the top, blanks trimmed, the empty one skipped.
    EXPECT_EQ(ReadBytes(saved), ForegroundFileBytes("Imported words", {"two", "one"}));
}

} // namespace
} // namespace bndx::e2e
