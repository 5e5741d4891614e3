// The two lists of the main window: what the DATA folder puts in them, how the backgrounds
// show, the selection brought back from Banderix.INI at start-up, and "Close", the one way a
// user ends Banderix: everything saved, painting stopped and the captions given back.
#include "tests/win/banderix/banderix_test.h"

#include <algorithm>

namespace bndx::e2e {
namespace {

using BanderixLists = BanderixTest;

TEST_F(BanderixLists, ListTheDataFolderPaintTheChosenBackgroundAndCloseSavesEverything) {
    program.Data().AddTextForeground("quotes.bxf", "Quotes", {"One"});
    program.Data().AddSampleAddIn();
    program.Data().AddTextForeground("nameless.bxf", "", {"Never listed"});
    program.Data().AddTextForeground("PROVERBS.BXF", "Proverbs", {"Two", "Three"});
    program.Data().AddBackground("red.bxb", "Red", kRed);
    program.Data().AddBackground("green.BXB", "Green", kGreen);
    settings.Write("[Background]\nRefreshFrequency=4\n[Foreground]\nSpeed=3\n"); // no selection
    SubjectWindow subject("Closing subject", 40, 560, 400);
    ASSERT_TRUE(StartSettled());

    // Foregrounds by description, text files before add-ins; nothing saved, nothing selected.
    std::vector<std::string> expected = program.Data().ListedOrder("*.BXF");
    for (const std::string& addIn : program.Data().ListedOrder("*.BXA"))
        expected.push_back(addIn);
    const ListBox foregrounds = program.Foregrounds();
    EXPECT_EQ(foregrounds.Texts(), expected);
    EXPECT_TRUE(foregrounds.Selected().empty());

    // Backgrounds follow None in rows as high as a caption, each previewing its picture clear of
    // its label; nothing saved: None.
    const ListBox list = program.Backgrounds();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemHeight(), CurrentCaptionMetrics().captionHeight);
    EXPECT_EQ(list.Selected(), std::vector<int>{0});
    ASSERT_TRUE(program.ShowFromTray());
    const int red = program.Data().ListedOrder("*.BXB")[0] == "Red" ? 1 : 2;
    const uint32_t navy = 0x000080;
    EXPECT_TRUE(WaitFor(
        [&] {
            return RowEndColour(list, 0) == navy && RowEndColour(list, red) == kRed &&
                   RowEndColour(list, 3 - red) == kGreen;
        },
        3000))
        << std::hex << "rows show " << RowEndColour(list, 0) << ", " << RowEndColour(list, 1) << ", "
        << RowEndColour(list, 2);

    list.ClickRow(red);
    Click(program.MainWindow(), IDCANCEL);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000)) << "the chosen background is painted";
    // Start-up has written the file already; without it, whatever is found next was written by Close.
    settings.Remove();
    ASSERT_TRUE(program.Close()) << program.DescribeVisible();
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "every caption is drawn again in its normal look";
    EXPECT_TRUE(subject.Retitle("Closing subject, retitled"));
    PumpMessages(600);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << "nothing paints any more";
    // Every key's default is the host tests' to check; here, that Close writes them all: the
    // selection, the values read at start-up and the defaults.
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } saved[] = {{"Main", "SelectedBackground", "Red"},
                 {"Main", "NumForegroundsSelected", "0"},
                 {"Background", "PaintByType", "1"},
                 {"Background", "RefreshFrequency", "4"},
                 {"Foreground", "Speed", "3"},
                 {"OneTimeDialog", "NoShow_2", kAbsent}}; // never asked at this colour depth
    for (const auto& s : saved)
        EXPECT_EQ(settings.Read(s.section, s.key), s.value) << s.section << "/" << s.key;
}

// Names compared byte for byte: of twin backgrounds the later one in the list is left selected,
// every foreground of a saved name is, and names that match nothing are passed over.
TEST_F(BanderixLists, SavedSelectionIsRestoredByExactNameAndSavedAgainAtOnce) {
    DataFolder& data = program.Data();
    data.AddBackground("red.bxb", "Red", kRed);
    data.AddBackground("twin-a.bxb", "Twin", kGreen);
    data.AddBackground("twin-b.bxb", "Twin", kBlue);
    data.AddTextForeground("quotes.bxf", "Quotes", {"q"});
    data.AddTextForeground("echo-1.bxf", "Echo", {"e"});
    data.AddTextForeground("echo-2.bxf", "Echo", {"e"});
    data.AddTextForeground("proverbs.bxf", "Proverbs", {"p"});
    settings.Write("[Main]\nSelectedBackground=Twin\nNumForegroundsSelected=4\nForegroundSelected0=Echo\n"
                   "ForegroundSelected1=quotes\nForegroundSelected2=Gone\nForegroundSelected3=Proverbs\n");
    ASSERT_TRUE(StartSettled());

    const std::vector<std::string> backgrounds = data.ListedOrder("*.BXB");
    const auto lastTwin = std::find(backgrounds.rbegin(), backgrounds.rend(), "Twin");
    EXPECT_EQ(program.Backgrounds().Selected(), std::vector<int>{static_cast<int>(backgrounds.rend() - lastTwin)});
    const ListBox foregrounds = program.Foregrounds();
    std::vector<int> rows;
    for (int row = 0; row < foregrounds.Count(); ++row)
        if (foregrounds.Text(row) == "Echo" || foregrounds.Text(row) == "Proverbs")
            rows.push_back(row);
    EXPECT_EQ(foregrounds.Selected(), rows);
    EXPECT_EQ(settings.Read("Main", "SelectedBackground"), "Twin");
    EXPECT_EQ(settings.Read("Main", "NumForegroundsSelected"), "3");
}

} // namespace
} // namespace bndx::e2e
