// The two lists of the main window: what the DATA folder puts in them, how the backgrounds
// show, and the selection brought back from Banderix.INI at start-up.
#include "tests/win/banderix/banderix_test.h"

#include <algorithm>

namespace bndx::e2e {
namespace {

using BanderixLists = BanderixTest;

TEST_F(BanderixLists, ForegroundsAreListedByDescriptionTextFilesBeforeAddIns) {
    program.Data().AddTextForeground("quotes.bxf", "Quotes", {"One"});
    program.Data().AddSampleAddIn();
    program.Data().AddTextForeground("nameless.bxf", "", {"Never listed"});
    program.Data().AddTextForeground("PROVERBS.BXF", "Proverbs", {"Two", "Three"});
    ASSERT_TRUE(StartSettled());

    std::vector<std::string> expected = program.Data().ListedOrder("*.BXF");
    for (const std::string& addIn : program.Data().ListedOrder("*.BXA"))
        expected.push_back(addIn);
    const ListBox list = program.Foregrounds();
    EXPECT_EQ(list.Texts(), expected);
    for (int row = 0; row < list.Count(); ++row)
        EXPECT_NE(list.ItemData(row), 0) << "row " << row << " carries its entry";
    EXPECT_TRUE(list.Selected().empty()) << "nothing saved, nothing selected";
}

TEST_F(BanderixLists, BackgroundsFollowNoneInRowsAsHighAsACaption) {
    program.Data().AddBackground("red.bxb", "Red", kRed);
    program.Data().AddBackground("green.BXB", "Green", kGreen);
    ASSERT_TRUE(StartSettled());

    const ListBox list = program.Backgrounds();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemData(0), 0) << "row 0 is None";
    EXPECT_NE(list.ItemData(1), 0);
    EXPECT_NE(list.ItemData(2), 0);
    EXPECT_EQ(list.ItemHeight(), CurrentCaptionMetrics().captionHeight);
    EXPECT_EQ(list.Selected(), std::vector<int>{0}) << "nothing saved: None";

    // Each row previews its background; the right end of a row is clear of its label.
    ASSERT_TRUE(program.ShowFromTray());
    RECT client;
    GetClientRect(list.Handle(), &client);
    POINT origin{0, 0};
    ClientToScreen(list.Handle(), &origin);
    RECT window;
    GetWindowRect(list.Handle(), &window);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    const std::vector<std::string> order = program.Data().ListedOrder("*.BXB");
    const uint32_t navy = 0x000080;
    test::ScreenCapture shot;
    const auto rowColour = [&](int row) {
        return shot.At(dx + client.right - 8, dy + row * list.ItemHeight() + list.ItemHeight() / 2);
    };
    const uint32_t expected[] = {navy, order[0] == "Red" ? kRed : kGreen, order[0] == "Red" ? kGreen : kRed};
    EXPECT_TRUE(WaitFor(
        [&] {
            shot = test::ScreenCapture::OfWindow(list.Handle());
            return rowColour(0) == expected[0] && rowColour(1) == expected[1] && rowColour(2) == expected[2];
        },
        3000))
        << std::hex << "rows show " << rowColour(0) << ", " << rowColour(1) << ", " << rowColour(2);
}

struct SavedSelection {
    const char* name;
    const char* background;
    std::vector<std::string> foregrounds;
    const char* restoredBackground; // empty: None
    std::vector<std::string> restoredForegrounds;
};

using BanderixRestore = TableTest<BanderixTest, SavedSelection>;

TEST_P(BanderixRestore, SavedSelectionIsRestoredByExactName) {
    const SavedSelection& c = GetParam();
    DataFolder& data = program.Data();
    data.AddBackground("red.bxb", "Red", kRed);
    data.AddBackground("twin-a.bxb", "Twin", kGreen);
    data.AddBackground("twin-b.bxb", "Twin", kBlue);
    data.AddTextForeground("quotes.bxf", "Quotes", {"q"});
    data.AddTextForeground("echo-1.bxf", "Echo", {"e"});
    data.AddTextForeground("echo-2.bxf", "Echo", {"e"});
    data.AddTextForeground("proverbs.bxf", "Proverbs", {"p"});
    std::string ini = std::string("[Main]\nSelectedBackground=") + c.background +
                      "\nNumForegroundsSelected=" + std::to_string(c.foregrounds.size()) + "\n";
    for (size_t n = 0; n < c.foregrounds.size(); ++n)
        ini += "ForegroundSelected" + std::to_string(n) + "=" + c.foregrounds[n] + "\n";
    settings.Write(ini);
    ASSERT_TRUE(StartSettled());

    // With twins, the later one in the list is the one left selected.
    const std::vector<std::string> backgrounds = data.ListedOrder("*.BXB");
    int backgroundRow = 0;
    for (size_t i = 0; i < backgrounds.size(); ++i)
        if (backgrounds[i] == c.restoredBackground)
            backgroundRow = static_cast<int>(i) + 1;
    EXPECT_EQ(program.Backgrounds().Selected(), std::vector<int>{backgroundRow});

    const ListBox foregrounds = program.Foregrounds();
    std::vector<int> foregroundRows;
    for (int row = 0; row < foregrounds.Count(); ++row)
        if (std::count(c.restoredForegrounds.begin(), c.restoredForegrounds.end(), foregrounds.Text(row)))
            foregroundRows.push_back(row);
    EXPECT_EQ(foregrounds.Selected(), foregroundRows);

    // Start-up saves the selection it has restored.
    EXPECT_EQ(settings.Read("Main", "SelectedBackground"), c.restoredBackground);
    EXPECT_EQ(settings.Read("Main", "NumForegroundsSelected"), std::to_string(foregroundRows.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BanderixRestore,
    ::testing::Values(SavedSelection{"Exact", "Red", {"Quotes", "Proverbs"}, "Red", {"Quotes", "Proverbs"}},
                      SavedSelection{"Duplicates", "Twin", {"Echo"}, "Twin", {"Echo"}},
                      SavedSelection{"LetterCase", "red", {"quotes"}, "", {}},
                      SavedSelection{"Missing", "Gone", {"Gone", "Proverbs"}, "", {"Proverbs"}}),
    CaseName<SavedSelection>);

} // namespace
} // namespace bndx::e2e
