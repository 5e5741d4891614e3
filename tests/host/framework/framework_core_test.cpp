// The recent-file list, the command line and toolbar docking: what a user sees in the File
// menu, which file a double-clicked document opens, and where a dropped toolbar goes.
#include "platform/framework/command_line.h"
#include "platform/framework/dock_side.h"
#include "platform/framework/recent_files.h"
#include "tests/host/memory_profile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace bndx {
namespace {

TEST(RecentFiles, NewestFirstWithoutDuplicatesUpToTheCapacity) {
    RecentFiles files(3);
    files.Add("C:\\a.bxb");
    files.Add("C:\\b.bxf");
    files.Add("C:\\c.bxm");
    files.Add("c:\\A.BXB"); // the same file in other letter case moves to the front
    ASSERT_EQ(files.Entries(), (std::vector<std::string>{"c:\\A.BXB", "C:\\c.bxm", "C:\\b.bxf"}));
    files.Add("C:\\d.bxb");
    EXPECT_EQ(files.Entries(), (std::vector<std::string>{"C:\\d.bxb", "c:\\A.BXB", "C:\\c.bxm"}));
    files.Remove(1);
    files.Remove(7);
    EXPECT_EQ(files.Entries(), (std::vector<std::string>{"C:\\d.bxb", "C:\\c.bxm"}));
}

TEST(RecentFiles, SurviveTheProfileAndShowAsNumberedMenuEntries) {
    test::MemoryProfile profile;
    RecentFiles saved(4);
    saved.Add("C:\\Tom & Jerry.bxf");
    saved.Add("C:\\x.bxb");
    saved.Save(profile);
    EXPECT_EQ((profile.values[{"Recent File List", "File1"}]), "C:\\x.bxb");
    EXPECT_EQ(profile.written.back(), "File1") << "a reader who sees the newest entry sees the whole list";

    RecentFiles loaded(4);
    loaded.Load(profile);
    ASSERT_EQ(loaded.Entries(), saved.Entries());
    EXPECT_EQ(loaded.MenuText(1), "&2 C:\\Tom && Jerry.bxf");
}

TEST(CommandLine, TheFirstArgumentThatIsNoSwitchNamesTheDocument) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\Bandsmith.exe\"", ""},
        {"\"C:\\Program Files\\Bandsmith.exe\" \"C:\\My Data\\sky.bxb\"", "C:\\My Data\\sky.bxb"},
        {"Bandsmith.exe /dde C:\\a.bxf", "C:\\a.bxf"},
        {"Bandsmith.exe   note.bxm  other.bxb", "note.bxm"},
    };
    for (const auto& [line, document] : cases)
        EXPECT_EQ(DocumentArgument(line), document) << line;
}

TEST(DockSide, ABarDroppedNearASideDocksThereAndElsewhereFloats) {
    const DockArea area{0, 30, 400, 300};
    const std::tuple<int, int, DockSide> cases[] = {
        {200, 15, DockSide::Top},       {200, 295, DockSide::Bottom}, {410, 150, DockSide::Right},
        {200, -10, DockSide::Floating}, {3, 35, DockSide::Left},      {5, 35, DockSide::Top},
    };
    for (const auto& [x, y, side] : cases)
        EXPECT_EQ(DockSideAt(x, y, area, 20), side) << x << "," << y;
}

TEST(DockSide, AFloatingBarsButtonsFillRowsOfTheWidthItIsGivenAndTheFewestRowsAskedFor) {
    const std::vector<int> widths = {23, 23, 8, 23, 23, 23};
    const std::tuple<int, std::vector<bool>> rows[] = {
        {123, {false, false, false, false, false, true}},
        {60, {false, false, true, false, true, true}},
        {10, {true, true, true, true, true, true}}, // too narrow for any: each alone
    };
    for (const auto& [width, ends] : rows)
        EXPECT_EQ(RowEnds(widths, width), ends) << width;
    EXPECT_EQ(WidthForRows(widths, 1), 123);
    EXPECT_EQ(WidthForRows(widths, 2), 69) << "23 23 8 | 23 23 23";
    EXPECT_EQ(WidthForRows(widths, 6), 23);
    EXPECT_EQ(WidthForRows(widths, 0), 123) << "no rows at all still needs one";
}

} // namespace
} // namespace bndx
