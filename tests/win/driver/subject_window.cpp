#include "tests/win/driver/subject_window.h"

#include "platform/framework/scoped_gdi.h"

namespace bndx::e2e {

HWND StartHelperWindow(test::Process& helper, const std::string& title, int x, int y, bool hangs) {
    if (!helper.Start(test::TestProgramPath("caption_subject.exe"), ".", "\"" + title + (hangs ? "\" hang" : "\"")))
        return nullptr;
    HWND window = nullptr;
    test::WaitFor([&] { return (window = FindWindowA(nullptr, title.c_str())) != nullptr; }, 3000);
    if (window)
        SetWindowPos(window, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    return window;
}

bool CaptionRowIs(HWND window, uint32_t colour) {
    const test::ScreenCapture shot = test::ScreenCapture::OfWindow(window);
    const CaptionLayout layout = CaptionLayoutOf(window);
    const int right = layout.buttons.hasMinMax ? layout.buttons.minMax.x : layout.area.right;
    for (int x = layout.area.left; x < right; ++x)
        if (shot.At(x, layout.area.top) != colour)
            return false;
    return true;
}

SubjectWindow::SubjectWindow(const char* title, int x, int y, int width, DWORD style)
    : window_(std::make_unique<test::TestWindow>(title, style | WS_VISIBLE, 0, width, 120)) {
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    test::PumpMessages(100);
}

uint32_t SubjectWindow::Fill() const {
    return CaptionFill(Shot(), CaptionLayoutOf(Handle()));
}

bool SubjectWindow::WaitForFill(uint32_t colour, DWORD timeoutMs) const {
    return test::WaitFor([&] { return Fill() == colour; }, timeoutMs);
}

bool SubjectWindow::ShowsSystemCaption() const {
    const uint32_t fill = Fill();
    return fill == test::SystemColourPixel(COLOR_ACTIVECAPTION) ||
           fill == test::SystemColourPixel(COLOR_INACTIVECAPTION);
}

bool SubjectWindow::WaitForSystemCaption(DWORD timeoutMs) const {
    return test::WaitFor([&] { return ShowsSystemCaption(); }, timeoutMs);
}

Span SubjectWindow::ColourSpan(const test::ScreenCapture& shot, uint32_t colour) const {
    return InkSpan(shot, CaptionLayoutOf(Handle()), [colour](uint32_t pixel) { return pixel == colour; });
}

void SubjectWindow::Scribble(uint32_t colour) const {
    const CaptionRect caption = Caption();
    const RECT area{caption.left, caption.top, caption.left + 12, caption.bottom};
    const GdiObject brush(CreateSolidBrush(RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF)));
    FillRect(WindowDc(Handle()).Get(), &area, static_cast<HBRUSH>(brush.Get()));
}

bool SubjectWindow::Retitle(const char* title) const {
    SetWindowTextA(Handle(), title);
    // The system may leave the redraw for later; here it happens before anyone could paint over it.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    return ShowsSystemCaption();
}

} // namespace bndx::e2e
