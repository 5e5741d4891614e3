// Banderix's start and its life in the tray: the splash, the hidden main window, the clicks on the
// tray icon, the keys and buttons that only hide it, and the one copy that may run; its two lists:
// what the DATA folder puts in them, how the backgrounds show and the selection brought back from
// Banderix.INI; the Options dialogs as the user works them; and "Close", the one way a user ends
// Banderix: everything saved, painting stopped and the captions given back.
#include "tests/win/banderix/banderix_test.h"

#include <commctrl.h>
#include <dlgs.h>

#include <functional>

namespace bndx::e2e {
namespace {

using BanderixStart = BanderixTest;

// One run from the splash to Close. Names compared byte for byte: every foreground of a saved name
// is selected again at start-up, and names that match nothing are passed over. In Options, Apply
// shows a change at once; Cancel keeps what was applied and the face chosen in the font dialog,
// and drops a speed left unapplied.
TEST_F(BanderixStart, ShowsTheSplashLivesHiddenInTheTrayListsTheDataFolderAppliesOptionsAndCloseSavesEverything) {
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
    SubjectWindow behind("Subject behind", 520, 560, 400);
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
    EXPECT_TRUE(WaitFor([&] { return RowEndColour(list, red) == kRed && RowEndColour(list, 3 - red) == kGreen; }, 3000))
        << "each background's row previews its picture";

    list.ClickRow(red);
    Click(main, IDCANCEL);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    ASSERT_TRUE(subject.WaitForFill(kRed, 3000)) << "the chosen background is painted";

    const auto closed = [](HWND dialog) { return WaitFor([dialog] { return !IsWindow(dialog); }, 3000); };
    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr) << program.DescribeVisible();
    ChooseComboItem(options, IDC_ALIGNMENT, 2);     // "Right Justify"
    ListBox(options, IDC_ELEMENT_LIST).ClickRow(0); // "Window Title"
    ListBox(options, IDC_COLOUR_LIST).ClickRow(10); // blue
    Click(options, IDC_PAINT_FOREGROUND);
    ASSERT_TRUE(WaitFor([&] { return IsChecked(options, IDC_PAINT_FOREGROUND); }, 2000));
    ASSERT_TRUE(BringToFront(subject.Handle()));
    PumpMessages(500);
    EXPECT_EQ(behind.Fill(), kRed) << "nothing changes before Apply";
    Click(options, ID_APPLY);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    EXPECT_TRUE(behind.WaitForSystemCaption(3000)) << "the window behind is given back to the system";
    PumpMessages(600);
    EXPECT_TRUE(behind.ShowsSystemCaption()) << "and it stays so";

    Click(options, ID_ADVANCED);
    const HWND advanced = WaitForWindowOf(program.ProcessId(), kAdvancedTitle, IDC_HOOK_METHOD, 5000);
    ASSERT_NE(advanced, nullptr) << program.DescribeVisible();
    EXPECT_TRUE(IsChecked(advanced, IDC_TIMER_METHOD)) << "the method in force is shown";
    Click(advanced, IDC_HOOK_METHOD);
    Click(advanced, IDC_PAINT_INTO_CAPTION);
    Click(advanced, IDOK);
    ASSERT_TRUE(closed(advanced));
    Click(options, ID_APPLY);

    EXPECT_EQ(SendDlgItemMessageA(options, IDC_SPEED, TBM_GETPOS, 0, 0), 3);
    MoveSlider(options, IDC_SPEED, 7);
    Click(options, IDC_FONT); // and another face than the one shown picked, as the user picks it
    const HWND fonts = WaitForWindowOf(program.ProcessId(), nullptr, cmb1, 5000);
    ASSERT_NE(fonts, nullptr) << "no font dialog: " << program.DescribeVisible();
    const auto faces = static_cast<int>(SendDlgItemMessageA(fonts, cmb1, CB_GETCOUNT, 0, 0));
    ASSERT_GT(faces, 1) << "the font dialog offers no other face";
    ChooseComboItem(fonts, cmb1, (static_cast<int>(SendDlgItemMessageA(fonts, cmb1, CB_GETCURSEL, 0, 0)) + 1) % faces);
    const std::string face = TextOf(GetDlgItem(fonts, cmb1));
    Click(fonts, IDOK);
    ASSERT_TRUE(closed(fonts));
    Click(options, IDCANCEL);
    EXPECT_TRUE(closed(options));

    // Start-up has written the file already; without it, whatever is found next was written by the
    // end of the session, then by Close.
    settings.Remove();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(program.MainWindow(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 5000, &ignored);
    EXPECT_EQ(settings.Read("Foreground", "Alignment"), "2") << "what was applied is saved as the session ends";
    settings.Remove();
    ASSERT_TRUE(program.Close()) << program.DescribeVisible();
    EXPECT_TRUE(subject.WaitForSystemCaption(3000)) << "every caption is drawn again in its normal look";
    EXPECT_TRUE(subject.Retitle("Tray subject, retitled"));
    PumpMessages(600);
    EXPECT_TRUE(subject.ShowsSystemCaption()) << "nothing paints any more";
    // Every key's default is the host tests' to check; here, that Close writes the selection, the
    // values read at start-up and what was applied.
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } saved[] = {{"Main", "SelectedBackground", "Red"},   {"Main", "NumForegroundsSelected", "3"},
                 {"Background", "RefreshFrequency", "4"}, {"Foreground", "Speed", "3"},
                 {"Foreground", "Alignment", "2"},        {"Foreground", "TitleColorIndex", "10"},
                 {"Background", "WindowCoverage", "2"},   {"Background", "PaintByType", "0"},
                 {"Background", "PaintMode", "1"}};
    for (const auto& s : saved)
        EXPECT_EQ(settings.Read(s.section, s.key), s.value) << s.section << "/" << s.key;
    EXPECT_EQ(settings.Read("Foreground", "FontName"), face) << "the font dialog's choice counts at once";
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
