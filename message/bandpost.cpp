// Bandpost: scrolls the one line of text in its message block once across the caption of the
// window in front, tells a running Banderix to leave that caption alone meanwhile, and ends.
// Where the desktop composes window frames, what is drawn into another window's caption never
// reaches the screen, so each frame is shown instead in a click-through window laid over it.
// Built without a C runtime (see message/CMakeLists.txt): no globals with constructors, no
// library calls beyond the platform's.
#include <windows.h>

#include <cstddef>

// Every text lives in the code section: a section of its own would cost a whole 512-byte block
// of the file.
#define BNDX_IN_CODE __attribute__((section(".text$texts"), aligned(1)))
#define BNDX_COMPOSITION_TEXT BNDX_IN_CODE

#include "common/caption_geometry.h"
#include "common/desktop_composition_win32.h"
#include "common/message_block.h"
#include "common/painter_messages.h"

// The start of the program's own image, which is its instance handle; put there by the linker.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr bool SameText(const char* a, const char* b) {
    return *a == *b && (*a == 0 || SameText(a + 1, b + 1));
}

constexpr char kClassName[] BNDX_IN_CODE = "Banderix_Mail_Class";
constexpr char kWindowTitle[] BNDX_IN_CODE = "Banderix Mail Message";
constexpr char kPainterTitle[] BNDX_IN_CODE = "Banderix";
constexpr char kBlockType[] BNDX_IN_CODE = "BNDX_MAIL_FOREGROUND";
static_assert(SameText(kPainterTitle, bndx::kPainterWindowTitle) &&
                  SameText(kBlockType, bndx::kMessageBlockResourceType),
              "the texts other programs know");
constexpr char kOverlayClass[] BNDX_IN_CODE = "Static"; // a system class: it only has to exist
constexpr char kAttributeQueryName[] BNDX_IN_CODE = "DwmGetWindowAttribute";
constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT kFramePeriodMs = 25;
constexpr int kStepPixels = 2;
constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr int kTitleBufferSize = 64;
constexpr DWORD kButtonBoundsAttribute = 5; // DWMWA_CAPTION_BUTTON_BOUNDS, in window coordinates

using WindowAttributeQuery = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

// The metrics record as Windows XP has it, before Vista's padded-border field: accepted by every
// version.
constexpr UINT kNonClientMetricsSize = 340;
static_assert(sizeof(NONCLIENTMETRICSA) == kNonClientMetricsSize, "metrics layout");

static_assert(bndx::style::kThickFrame == WS_THICKFRAME && bndx::style::kDlgFrame == WS_DLGFRAME &&
                  bndx::style::kVisible == WS_VISIBLE && bndx::style::kMinimize == WS_MINIMIZE &&
                  bndx::style::kSysMenu == WS_SYSMENU && bndx::style::kMinimizeBox == WS_MINIMIZEBOX &&
                  bndx::style::kMaximizeBox == WS_MAXIMIZEBOX && bndx::style::kExToolWindow == WS_EX_TOOLWINDOW,
              "style bits");

// Everything the program keeps; zero-initialised by the loader.
struct ProgramState {
    NONCLIENTMETRICSA metrics;
    char text[bndx::kMessageBlockSize]; // the whole block; the text is its first textLength bytes
    int textLength;
    int messageX;       // left end of the text, relative to the drawing area
    bool scrollStarted; // false until the first frame places the text at the area's right
    bool repositioning; // guards the move to the bottom against its own notification
    HWND overlay;       // made only where the desktop composes; then every frame is shown in it
    WindowAttributeQuery windowAttribute;
    BITMAPINFOHEADER overlayFormat;
    WNDCLASSA windowClass; // here rather than on the stack, where it would have to be cleared
};
ProgramState g_state;

// The block is read into the text's own buffer: the text is its beginning. A short or missing
// block reads as if padded out with spaces.
void LoadMessageText() {
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(bndx::kMessageBlockResourceId), kBlockType);
    HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    const DWORD copied = data ? SizeofResource(nullptr, info) : 0;
    for (DWORD i = 0; i < bndx::kMessageBlockSize; ++i)
        g_state.text[i] = i < copied ? data[i] : ' ';
    g_state.textLength = static_cast<int>(bndx::MessageTextLength(g_state.text));
}

// Posted, never sent: a hung Banderix must not stop the message.
void NotifyPainter(HWND captionWindow) {
    if (HWND painter = FindWindowA(nullptr, kPainterTitle))
        PostMessageA(painter, bndx::WM_EXCLUDE_WINDOW, 0, reinterpret_cast<LPARAM>(captionWindow));
}

bool QualifiesAsTarget(HWND window) {
    WCHAR title[kTitleBufferSize];
    if (GetWindowTextW(window, title, kTitleBufferSize) <= 0)
        return false;
    return bndx::PassesCaptionTest(static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE)));
}

// The first window, from the foreground one up through its parents, with a title and a caption.
HWND FindTarget(HWND foreground) {
    for (HWND window = foreground; window; window = GetParent(window))
        if (QualifiesAsTarget(window))
            return window;
    return nullptr;
}

// What one frame draws with, all released when the frame ends, whichever way it ends.
class FrameSurface {
public:
    FrameSurface(HWND target, const bndx::CaptionRect& area)
        : target_(target), windowDc_(GetWindowDC(target)),
          clip_(CreateRectRgn(area.left, area.top, area.right, area.bottom)), memoryDc_(CreateCompatibleDC(windowDc_)),
          bitmap_(g_state.overlay ? CreateDIBSection(windowDc_, reinterpret_cast<BITMAPINFO*>(&g_state.overlayFormat),
                                                     DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0)
                                  : CreateCompatibleBitmap(windowDc_, area.right, area.bottom)) {
        SelectClipRgn(windowDc_, clip_);
        previousBitmap_ = SelectObject(memoryDc_, bitmap_);
    }
    ~FrameSurface() {
        SelectObject(memoryDc_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(memoryDc_);
        DeleteObject(clip_);
        ReleaseDC(target_, windowDc_);
    }
    FrameSurface(const FrameSurface&) = delete;
    FrameSurface& operator=(const FrameSurface&) = delete;

    bool IsUsable() const { return windowDc_ && clip_ && memoryDc_ && bitmap_; }
    HDC Window() const { return windowDc_; }
    HDC Memory() const { return memoryDc_; }
    DWORD* Pixels() const { return pixels_; }

private:
    HWND target_;
    HDC windowDc_;
    HRGN clip_;
    HDC memoryDc_;
    DWORD* pixels_ = nullptr; // the overlay's picture, bottom row first; set while the bitmap is made
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};

void FillArea(HDC dc, const bndx::CaptionRect& area) {
    const COLORREF colour = GetSysColor(COLOR_ACTIVECAPTION);
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void CopyBoxFromScreen(const FrameSurface& surface, const bndx::ButtonBox& box) {
    BitBlt(surface.Memory(), box.x, box.y, box.width, box.height, surface.Window(), box.x, box.y, SRCCOPY);
}

// Draws one frame of the scroll on the caption of the window in front.
// Returns false when the scroll is over or no window can carry it.
bool PaintMessageFrame() {
    HWND foreground = GetForegroundWindow();
    if (!foreground)
        return true;
    HWND target = FindTarget(foreground);
    if (!target)
        return false;
    NotifyPainter(target);

    RECT bounds;
    GetWindowRect(target, &bounds);
    const uint32_t windowStyle = static_cast<uint32_t>(GetWindowLongA(target, GWL_STYLE));
    const uint32_t exStyle = static_cast<uint32_t>(GetWindowLongA(target, GWL_EXSTYLE));
    const bndx::CaptionMetrics metrics{g_state.metrics.iBorderWidth, g_state.metrics.iCaptionHeight,
                                       g_state.metrics.iSmCaptionHeight};
    const bndx::CaptionRect area = bndx::ComputeCaptionRect(bounds.right - bounds.left, windowStyle, exStyle, metrics);
    const int areaWidth = area.right - area.left;
    g_state.overlayFormat.biSize = sizeof(BITMAPINFOHEADER);
    g_state.overlayFormat.biWidth = area.right;
    g_state.overlayFormat.biHeight = area.bottom;
    g_state.overlayFormat.biPlanes = 1;
    g_state.overlayFormat.biBitCount = 32;

    FrameSurface surface(target, area);
    if (!surface.IsUsable())
        return true; // try again next frame; the window may be between states
    HDC dc = surface.Memory();
    FillArea(dc, area);

    if (!g_state.scrollStarted) {
        g_state.messageX = areaWidth;
        g_state.scrollStarted = true;
    }
    SIZE extent;
    GetTextExtentPoint32A(dc, g_state.text, g_state.textLength, &extent);
    if (g_state.messageX + extent.cx <= 0 || g_state.messageX > areaWidth) {
        g_state.messageX = areaWidth;
        return false;
    }
    SetTextColor(dc, kTextColour);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, g_state.messageX, bndx::BorderTerm(windowStyle, metrics) + 3, g_state.text, g_state.textLength);
    g_state.messageX -= kStepPixels;

    const bndx::CaptionButtonAreas buttons = bndx::ComputeButtonAreas(area, windowStyle, exStyle, metrics);
    bndx::ForEachButton(buttons, [&](const bndx::ButtonBox& box) { CopyBoxFromScreen(surface, box); });

    if (!g_state.overlay) {
        BitBlt(surface.Window(), 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
        return true;
    }
    // The overlay spans what the system would draw the title over: past the icon, up to the
    // buttons, whose hover and press feedback stays visible. Where the desktop window manager
    // knows where the buttons are (its buttons are wider than the metrics say), it is asked.
    const int captionHeight = bndx::CaptionHeight(exStyle, metrics);
    int left = area.left;
    if ((windowStyle & WS_SYSMENU) && !(exStyle & WS_EX_TOOLWINDOW))
        left += captionHeight;
    int right = buttons.hasMinMax ? buttons.minMax.x : buttons.hasClose ? buttons.close.x : area.right;
    RECT managerButtons;
    if (g_state.windowAttribute &&
        g_state.windowAttribute(target, kButtonBoundsAttribute, &managerButtons, sizeof managerButtons) == S_OK &&
        managerButtons.right > managerButtons.left)
        right = managerButtons.left;
    GdiFlush();
    for (DWORD* pixel = surface.Pixels(); pixel != surface.Pixels() + area.right * area.bottom; ++pixel)
        *pixel |= 0xFF000000; // opaque: GDI leaves the alpha of what it draws at zero
    POINT source{left, area.top};
    POINT destination{bounds.left + left, bounds.top + area.top};
    SIZE size{right - left, area.bottom - area.top};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    SetWindowLongPtrA(g_state.overlay, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(target));
    UpdateLayeredWindow(g_state.overlay, nullptr, &destination, &size, dc, &source, 0, &blend, ULW_ALPHA);
    // The system keeps an owned window above its owner; Wine does not across processes. Put
    // after the window above the target it shares the target's band; at the very top, it must
    // join the topmost band to be above a topmost target.
    HWND above = GetWindow(target, GW_HWNDPREV);
    if (!above && (exStyle & WS_EX_TOPMOST))
        above = HWND_TOPMOST;
    SetWindowPos(g_state.overlay, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return true;
}

void OnCreate(HWND window) {
    // The library stays loaded: each frame asks it where the caption buttons are.
    HMODULE compositionLibrary = bndx::LoadCompositionLibrary();
    if (compositionLibrary && bndx::DesktopComposes(compositionLibrary)) {
        g_state.windowAttribute = reinterpret_cast<WindowAttributeQuery>(
            reinterpret_cast<void*>(GetProcAddress(compositionLibrary, kAttributeQueryName)));
        g_state.overlay =
            CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kOverlayClass,
                            nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    }
    g_state.metrics.cbSize = kNonClientMetricsSize;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &g_state.metrics, 0);
    SetTimer(window, kFrameTimer, kFramePeriodMs, nullptr);
}

// Stays at the bottom of the z-order, so that it never comes between the user and a window.
void OnPositionChanged(HWND window) {
    if (g_state.repositioning)
        return;
    g_state.repositioning = true;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    g_state.repositioning = false;
}

void OnTimer(HWND window) {
    if (PaintMessageFrame())
        return;
    DestroyWindow(g_state.overlay);
    // Every window redraws, and with it the real captions; marked only, as a window that has
    // stopped answering would hold a redraw done at once.
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    KillTimer(window, kFrameTimer);
    DestroyWindow(window);
}

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_WINDOWPOSCHANGED:
        OnPositionChanged(window);
        break;
    case WM_TIMER:
        if (wParam == kFrameTimer)
            OnTimer(window);
        break;
    case WM_DESTROY:
        NotifyPainter(nullptr);
        PostQuitMessage(0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int RunBandpost() {
    LoadMessageText();
    if (!g_state.textLength || FindWindowA(kClassName, nullptr))
        return 0; // nothing to scroll, or one message at a time
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(&__ImageBase);
    WNDCLASSA& windowClass = g_state.windowClass;
    windowClass.lpfnWndProc = MessageWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return 0;
    if (!CreateWindowExA(0, kClassName, kWindowTitle, WS_POPUP | WS_BORDER, 0, 0, 10, 10, nullptr, nullptr, instance,
                         nullptr))
        return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message); // no window of Bandpost's takes keys: nothing to translate
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

} // namespace

// The process starts here: there is no C runtime to call a WinMain.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
    ExitProcess(static_cast<UINT>(RunBandpost()));
}
