// Banderix's start and its life in the tray: the splash, the hidden main window, the clicks on the
// tray icon, the keys and buttons that only hide it, and the one copy that may run; its two lists:
// what the DATA folder puts in them, how the backgrounds show and the selection brought back from
// Banderix.INI; and "Close", the one way a user ends Banderix: everything saved, painting stopped
// and the captions given back.
#include "tests/win/banderix/banderix_test.h"

#include <functional>

namespace bndx::e2e {
namespace {

using BanderixStart = BanderixTest;

// One run from the splash to Close. Names compared byte for byte: every foreground of a saved name
// is selected again at start-up, and names that match nothing are passed over.
TEST_F(BanderixStart, ShowsTheSplashLivesHiddenInTheTrayListsTheDataFolderAndCloseSavesEverything) {
    program.Data().AddTextForeground("quotes.bxf", "Quotes", {"q"});
    program.Data().AddTextForeground("echo-1.bxf", "Echo", {"e"});
    program.Data().AddTextForeground("echo-2.bxf", "Echo", {"e"});
    program.Data().AddTextForeground("proverbs.bxf", "Proverbs", {"p"});
    program.Data().AddBackground("red.bxb", "Red", kRed);
    program.Data().AddBackground("green.BXB", "Green", kGreen);
    settings.Write("[Main]\nNumForegroundsSelected=4\nForegroundSelected0=Echo\nForegroundSelected1=quotes\n"
                   "ForegroundSelected2=Gone\nForegroundSelected3=Proverbs\n"
                   "[Background]\nRefreshFrequency=4\n[Foreground]\nSpeed=3\n");
    SubjectWindow subject("Tray subject", 40, 560, 400);
    ASSERT_TRUE(program.Start());
    HWND splash = nullptr;
    const auto splashShown = [&] {
        for (HWND window : VisibleWindowsOf(program.ProcessId()))
            if ((GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
                splash = window;
        return splash != nullptr;
    };
    ASSERT_TRUE(WaitFor(splashShown, 5000)) << "no window without a caption appeared: " << program.DescribeVisible();
    const DWORD shownAt = GetTickCount();
    ASSERT_TRUE(program.WaitUntilSettled()) << program.DescribeVisible();
    EXPECT_GE(GetTickCount() - shownAt, 1500u) << "the splash stays about two seconds";
    EXPECT_FALSE(IsWindow(splash)) << "the splash window is destroyed, not only hidden";

    const ListBox foregrounds = program.Foregrounds();
    EXPECT_EQ(foregrounds.Texts(), program.Data().ListedOrder("*.BXF"));
    std::vector<int> rows;
    for (int row = 0; row < foregrounds.Count(); ++row)
        if (foregrounds.Text(row) == "Echo" || foregrounds.Text(row) == "Proverbs")
            rows.push_back(row);
    EXPECT_EQ(foregrounds.Selected(), rows);

    // Backgrounds follow None in rows as high as a caption, each previewing its picture clear of
    // its label; nothing saved: None.
    const ListBox list = program.Backgrounds();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemHeight(), CurrentCaptionMetrics().captionHeight);
    EXPECT_EQ(list.Selected(), std::vector<int>{0});

    // Only a button going down on the tray icon shows the window, in front; "&Hide" hides it.
    const HWND main = program.MainWindow();
    const struct {
        LPARAM mouseMessage;
        bool shows;
    } clicks[] = {{WM_MOUSEMOVE, false}, {WM_LBUTTONUP, false},  {WM_LBUTTONDBLCLK, false},
                  {WM_RBUTTONUP, false}, {WM_LBUTTONDOWN, true}, {WM_RBUTTONDOWN, true}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << "mouse message " << c.mouseMessage);
        ASSERT_TRUE(BringToFront(subject.Handle()));
        program.PostTrayCallback(c.mouseMessage);
        if (c.shows) {
            EXPECT_TRUE(WaitFor([&] { return IsInFront(main); }, 3000)) << "shown and brought to the front";
            Click(main, IDCANCEL);
            EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 3000));
        } else {
            PumpMessages(400);
            EXPECT_FALSE(IsWindowVisible(main));
        }
    }

    // Enter first: the list that has the focus at first passes it to the default button, "&Hide".
    const struct {
        const char* name;
        std::function<void()> act;
    } ways[] = {{"Enter", [&] { PressKey(main, VK_RETURN); }},
                {"Esc", [&] { PressKey(main, VK_ESCAPE); }},
                {"close box", [&] { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_TRUE(program.ShowFromTray());
        way.act();
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 3000));
        PumpMessages(300);
        EXPECT_TRUE(program.Running());
    }

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
    Click(main, IDCANCEL);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000)) << "the chosen background is painted";
    // Start-up has written the file already; without it, whatever is found next was written by Close.
    settings.Remove();
    ASSERT_TRUE(program.Close()) << program.DescribeVisible();
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "every caption is drawn again in its normal look";
    EXPECT_TRUE(subject.Retitle("Tray subject, retitled"));
    PumpMessages(600);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << "nothing paints any more";
    // Every key's default is the host tests' to check; here, that Close writes the selection and
    // the values read at start-up.
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } saved[] = {{"Main", "SelectedBackground", "Red"},
                 {"Main", "NumForegroundsSelected", "3"},
                 {"Background", "RefreshFrequency", "4"},
                 {"Foreground", "Speed", "3"}};
    for (const auto& s : saved)
        EXPECT_EQ(settings.Read(s.section, s.key), s.value) << s.section << "/" << s.key;
}

// Started at the same moment, the copies cannot find each other's window yet.
TEST_F(BanderixStart, OfTwoCopiesStartedAtOnceOnlyOneRuns) {
    Process second;
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(second.Start(program.ProgramPath(), program.Folder()));
    Process* const copies[] = {&program, &second};
    Process* refused = nullptr;
    HWND box = nullptr;
    const auto oneRefuses = [&] {
        for (Process* copy : copies)
            if ((box = WaitForMessageBox(copy->ProcessId(), kProgramTitle)))
                return (refused = copy) != nullptr;
        return false;
    };
    ASSERT_TRUE(WaitFor(oneRefuses, 15000)) << "both run: " << program.DescribeVisible() << second.DescribeVisible();
    EXPECT_EQ(MessageBoxText(box), "Only one instance of Banderix can run at a time.");
    EXPECT_EQ(VisibleWindowsOf(refused->ProcessId()).size(), 1u) << "no splash: " << refused->DescribeVisible();
    Click(box, IDOK);
    EXPECT_GE(refused->WaitForExit(5000), 0);
    EXPECT_TRUE((refused == &program ? second : program).Running()) << "the other copy goes on";
}

} // namespace
} // namespace bndx::e2e
