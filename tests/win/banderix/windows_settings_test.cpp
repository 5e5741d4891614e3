// What the user told Windows, respected by the running program: a program ticked in "Programs Left
// Alone" keeps the system's captions beside painted ones, in either mode and after a restart; and
// animations turned off while Banderix runs keep the text still, the background and title painted.
#include "tests/win/banderix/banderix_test.h"

namespace bndx::e2e {
namespace {

// A pixel of the caption clear of the title, the icon and the buttons, painted in either mode.
bool PaintedRed(HWND window) {
    const CaptionRect caption = CaptionLayoutOf(window).area;
    return test::ScreenCapture::OfWindow(window).At(caption.left + (caption.right - caption.left) * 7 / 10,
                                                    (caption.top + caption.bottom) / 2) == kRed;
}

// Into the caption (1) or over it (2).
class BanderixLeftAlone : public BanderixTest, public ::testing::WithParamInterface<int> {};

TEST_P(BanderixLeftAlone, AProgramTickedKeepsTheSystemsCaptionBesideAPaintedOneAndAfterARestart) {
    settings.Write("[Main]\nSelectedBackground=Red\n[Leave Alone]\nsetup.exe=1\n[Background]\nPaintMode=" +
                   std::to_string(GetParam()) + "\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    SubjectWindow painted("Painted beside", 40, 600, 400);
    Process other;
    const HWND alone = StartHelperWindow(other, "Left alone", 560, 600);
    ASSERT_NE(alone, nullptr);
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(WaitFor([&] { return PaintedRed(alone); }, 3000)) << "painted before it is ticked";

    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr);
    Click(options, IDC_LEAVE_ALONE);
    const HWND dialog = WaitForWindowOf(program.ProcessId(), "Programs Left Alone", IDC_PROGRAM_LIST, 5000);
    ASSERT_NE(dialog, nullptr) << program.DescribeVisible();
    const ListBox programs(dialog, IDC_PROGRAM_LIST);
    const int row = programs.RowOf("caption_subject.exe");
    ASSERT_GE(row, 0) << "listed: " << ::testing::PrintToString(programs.Texts());
    EXPECT_EQ(programs.Selected(), std::vector<int>{programs.RowOf("setup.exe")}) << "ticked before, not running";
    programs.ClickRow(row);
    Click(dialog, IDOK);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 3000));
    Click(options, IDOK);
    EXPECT_TRUE(WaitFor([&] { return !PaintedRed(alone); }, 3000)) << "given back once ticked";
    PumpMessages(1200);
    EXPECT_FALSE(PaintedRed(alone)) << "and never painted again";

    ASSERT_TRUE(program.Close());
    EXPECT_EQ(settings.Read("Leave Alone", "caption_subject.exe"), "1");
    ASSERT_TRUE(StartSettled());
    ASSERT_TRUE(WaitFor([&] { return PaintedRed(painted.Handle()); }, 3000)) << "the window beside it is painted";
    PumpMessages(1200);
    EXPECT_FALSE(PaintedRed(alone)) << "still left alone after a restart";
}

INSTANTIATE_TEST_SUITE_P(PaintModes, BanderixLeftAlone, ::testing::Values(1, 2));

// Turns Windows' animations on or off inside a running program as the control panel does,
// telling every window (animation_switch.cpp); on again when the test ends.
class Animations {
public:
    explicit Animations(HWND window)
        : window_(window), module_(LoadLibraryA(test::TestProgramPath("animation_switch.dll").c_str())),
          hook_(SetWindowsHookExA(
              WH_CALLWNDPROC,
              reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module_, "SwitchAnimations"))), module_,
              GetWindowThreadProcessId(window, nullptr))) {}
    ~Animations() {
        UnhookWindowsHookEx(hook_);
        FreeLibrary(module_);
        SystemParametersInfoA(0x1043, 0, reinterpret_cast<void*>(TRUE),
                              SPIF_UPDATEINIFILE); // SPI_SETCLIENTAREAANIMATION
    }
    // Returns once the program has been told.
    void Set(bool on) const { SendMessageA(window_, RegisterWindowMessageA("BndxSwitchAnimations"), on, 0); }

private:
    HWND window_;
    HMODULE module_;
    HHOOK hook_;
};

using BanderixWindowsSettings = BanderixTest;

TEST_F(BanderixWindowsSettings, AnimationsOffKeepTheTextStillWhileBackgroundAndTitleArePainted) {
    settings.Write(
        "[Main]\nSelectedBackground=Red\n[Foreground]\nTextColorIndex=7\nForegroundTransparent=1\nSpeed=8\n");
    program.Data().AddBackground("red.bxb", "Red", kRed);
    program.Data().AddTextForeground("lines.bxf", "Lines", {"Yellow words passing by"});
    SubjectWindow subject("Animated subject", 40, 600, 700, kButtonlessCaption);
    ASSERT_TRUE(StartSettled());
    const Animations animations(program.MainWindow());
    ASSERT_TRUE(BringToFront(subject.Handle()));
    const ListBox list = program.Foregrounds();
    const int lines = list.RowOf("Lines");
    ASSERT_GE(lines, 0);
    const auto textAt = [&] { return subject.ColourSpan(subject.Shot(), kYellow); };
    list.ClickRow(lines);
    ASSERT_TRUE(WaitFor([&] { return textAt().Found(); }, 3000)) << "the text scrolls in at once";

    animations.Set(false);
    ASSERT_TRUE(WaitFor([&] { return !textAt().Found(); }, 2000)) << "the text stops";
    const test::ScreenCapture still = subject.Shot();
    PumpMessages(2000);
    EXPECT_EQ(test::CountChanged(still, subject.Shot(), [](int, int) { return true; }), 0)
        << "nothing moves on the front caption over two seconds";
    EXPECT_EQ(subject.Fill(), kRed) << "the background is still painted";
    EXPECT_TRUE(subject.ColourSpan(subject.Shot(), 0xFFFFFF).Found()) << "and the title";
    const HWND options = program.OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(GetDlgItem(options, IDC_ANIMATIONS_OFF)) != FALSE; }, 2000))
        << "the Options dialog says why";
    Click(options, IDCANCEL);

    animations.Set(true);
    ASSERT_TRUE(BringToFront(subject.Handle()));
    list.ClickRow(lines);
    list.ClickRow(lines); // deselected and selected again: the next cycle
    EXPECT_TRUE(WaitFor([&] { return textAt().Found(); }, 3000)) << "the next cycle scrolls";
}

} // namespace
} // namespace bndx::e2e
