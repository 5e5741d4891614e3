#include "tests/win/driver/subject_window.h"

#include "tests/win/driver/program_windows.h"

namespace bndx::e2e {

namespace {

CaptionMetrics CurrentMetrics() {
    NONCLIENTMETRICSA ncm{};
    ncm.cbSize = 340; // the record's first version, as the program reads it
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
    return CaptionMetrics{ncm.iBorderWidth, ncm.iCaptionHeight, ncm.iSmCaptionHeight};
}

bool InBox(const ButtonBox& box, int x, int y) {
    return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

} // namespace

CaptionRect CaptionOf(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return ComputeCaptionRect(bounds.right - bounds.left, static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)),
                              static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE)), CurrentMetrics());
}

uint32_t CaptionFill(HWND window) {
    const CaptionRect caption = CaptionOf(window);
    return test::ScreenCapture::OfWindow(window).At(caption.left + 2, caption.top + 2);
}

bool HelperCaptionTurns(uint32_t colour, int x, int y) {
    // The helper's own titles, before and after it retitles its window.
    const char kTitle[] = "Caption subject", kRetitled[] = "Caption subject retitled";
    test::RunningProgram helper(test::TestProgramPath("caption_subject.exe"));
    HWND window = nullptr;
    if (!test::WaitFor([&] { return (window = FindWindowA(nullptr, kTitle)) != nullptr; }, 3000)) return false;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!test::WaitFor([&] { return FindWindowA(nullptr, kRetitled) == window; }, 2000)) return false;
    return test::WaitFor([&] { return IsWindow(window) && CaptionFill(window) == colour; }, 1500);
}

SubjectWindow::SubjectWindow(const char* title, int x, int y, int width, DWORD style)
    : window_(std::make_unique<test::TestWindow>(title, style | WS_VISIBLE, 0, width, 120)) {
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    test::PumpMessages(100);
}

CaptionRect SubjectWindow::Caption() const {
    return CaptionOf(Handle());
}

uint32_t SubjectWindow::Fill() const {
    return CaptionFill(Handle());
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

bool SubjectWindow::InButtons(int x, int y) const {
    const CaptionButtonAreas buttons =
        ComputeButtonAreas(Caption(), static_cast<uint32_t>(GetWindowLongA(Handle(), GWL_STYLE)),
                           static_cast<uint32_t>(GetWindowLongA(Handle(), GWL_EXSTYLE)), CurrentMetrics());
    return (buttons.hasClose && InBox(buttons.close, x, y)) || (buttons.hasMinMax && InBox(buttons.minMax, x, y));
}

Span SubjectWindow::ColourSpan(const test::ScreenCapture& shot, uint32_t colour) const {
    const CaptionRect caption = Caption();
    Span span;
    for (int x = caption.left; x < caption.right && x < shot.Width(); ++x)
        for (int y = caption.top; y < caption.bottom && y < shot.Height(); ++y)
            if (shot.At(x, y) == colour && !InButtons(x, y)) {
                if (span.left < 0) span.left = x;
                span.right = x;
                break;
            }
    return span;
}

void SubjectWindow::Scribble(uint32_t colour) const {
    const CaptionRect caption = Caption();
    const RECT area{caption.left, caption.top, caption.left + 12, caption.bottom};
    HDC dc = GetWindowDC(Handle());
    HBRUSH brush = CreateSolidBrush(RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(Handle(), dc);
}

bool SubjectWindow::Retitle(const char* title) const {
    SetWindowTextA(Handle(), title);
    // The system may leave the redraw for later; here it happens before anyone could paint over it.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    return ShowsSystemCaption();
}

} // namespace bndx::e2e
