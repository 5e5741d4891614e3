// Banderix's start and its life in the tray: the splash, the hidden main window, the clicks
// on the tray icon, the keys and buttons that only hide it, and the one copy that may run.
#include "tests/win/banderix/banderix_test.h"

#include <functional>

namespace bndx::e2e {
namespace {

using BanderixStart = BanderixTest;

// One run from the splash to Close: the tray icon's clicks and the ways that only hide the window.
TEST_F(BanderixStart, ShowsTheSplashThenLivesHiddenInTheTray) {
    SubjectWindow other("Tray subject", 40, 560, 300);
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

    // Only a button going down on the tray icon shows the window, in front.
    const HWND main = program.MainWindow();
    const struct {
        LPARAM mouseMessage;
        bool shows;
    } clicks[] = {{WM_MOUSEMOVE, false}, {WM_LBUTTONUP, false},  {WM_LBUTTONDBLCLK, false},
                  {WM_RBUTTONUP, false}, {WM_LBUTTONDOWN, true}, {WM_RBUTTONDOWN, true}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(testing::Message() << "mouse message " << c.mouseMessage);
        ASSERT_TRUE(BringToFront(other.Handle()));
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
                {"close box", [&] { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
                {"&Hide", [&] { Click(main, IDCANCEL); }}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_TRUE(program.ShowFromTray());
        way.act();
        EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 3000));
        PumpMessages(300);
        EXPECT_TRUE(program.Running());
    }

    EXPECT_TRUE(program.Close()) << "and Close ends it";
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
