#include "painter/paint/caption_renderer.h"

#include "painter/paint/caption_layout.h"
#include "painter/paint/win32_desktop.h"
#include "platform/framework/scoped_gdi.h"
#include "common/colour_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace bndx {

int32_t ScrollPosition = 0;

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX;
constexpr COLORREF kNoneRowColour = RGB(0, 0, 128);
constexpr COLORREF kLabelSelectedColour = RGB(0, 0, 255);
constexpr COLORREF kLabelColour = RGB(0, 0, 0);
constexpr COLORREF kLabelOutlineColour = RGB(255, 0, 0);
constexpr COLORREF kWhiteColour = RGB(255, 255, 255);
constexpr int32_t kLabelMargin = 20;

COLORREF TableColour(uint16_t colourIndex) {
    const Rgb rgb = ColourOf(colourIndex);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

RECT ToRect(const CaptionRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

void FillRectangle(HDC dc, const RECT& rect, COLORREF colour) {
    ScopedSelect brush(dc, GdiObject(CreateSolidBrush(colour)));
    ScopedSelect pen(dc, GdiObject(CreatePen(PS_SOLID, 1, colour)));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawBox(HDC dc, const RECT& box, COLORREF fill, COLORREF outline) {
    ScopedSelect brush(dc, GdiObject(CreateSolidBrush(fill)));
    ScopedSelect pen(dc, GdiObject(CreatePen(PS_SOLID, 1, outline)));
    RoundRect(dc, box.left, box.top, box.right, box.bottom, kBoxCornerSize, kBoxCornerSize);
}

int32_t TextWidth(HDC dc, const std::string& text) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void DrawLine(HDC dc, const std::string& text, COLORREF colour, int32_t x, int32_t width, const CaptionRect& caption) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT area{x, caption.top, x + width, caption.bottom};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area, kTextFormat);
}

std::string WindowTitle(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::vector<char> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1);
    const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void CopyButtonBox(HDC offscreen, HDC windowSurface, const ButtonBox& box) {
    BitBlt(offscreen, box.x, box.y, box.width, box.height, windowSurface, box.x, box.y, SRCCOPY);
}

} // namespace

HDC KeptSurface::Get(int32_t width, int32_t height) {
    if (dc_ && width <= width_ && height <= height_)
        return dc_;
    // Grown in both directions at once, so that captions of different shapes settle on one size.
    const int32_t newWidth = std::max(width, width_);
    const int32_t newHeight = std::max(height, height_);
    Release();
    if (newWidth < 1 || newHeight < 1)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight; // top-down: row y is at y
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_ || !bits) {
        Release();
        return nullptr;
    }
    previous_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = newWidth;
    height_ = newHeight;
    return dc_;
}

void KeptSurface::Release() {
    if (previous_)
        SelectObject(dc_, previous_);
    if (bitmap_)
        DeleteObject(bitmap_);
    if (dc_)
        DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    width_ = height_ = 0;
}

CaptionMetrics CaptionRenderer::Metrics() const {
    return CaptionMetrics{state_.metrics.iBorderWidth, state_.metrics.iCaptionHeight, state_.metrics.iSmCaptionHeight};
}

std::optional<uint8_t> CaptionRenderer::BackgroundColour() const {
    if (!state_.currentBackground)
        return std::nullopt;
    return state_.currentBackground->ColourIndex();
}

// Asking for the foreground window is a round trip to the window system; a pass asks once.
void CaptionRenderer::BeginPass() {
    passForeground_ = GetForegroundWindow();
    inPass_ = true;
}

void CaptionRenderer::EndPass() {
    inPass_ = false;
}

HWND CaptionRenderer::Foreground() const {
    return inPass_ ? passForeground_ : GetForegroundWindow();
}

void CaptionRenderer::DrawCaption(WindowId windowId, const CaptionRect& caption, bool scrollStep) {
    const HWND window = ToHandle(windowId);
    WindowDc surface(window);
    GdiObject clip(CreateRectRgn(caption.left, caption.top, caption.right, caption.bottom));
    SelectClipRgn(surface.Get(), static_cast<HRGN>(clip.Get()));
    // On a palette device the composition must be in the window's own format, the one the
    // realised palette maps; it is made for each paint there.
    if (!state_.in256ColourMode) {
        if (HDC kept = composition_.Get(caption.right, caption.bottom)) {
            DrawWith(kept, window, surface.Get(), caption, scrollStep, true);
            return;
        }
    }
    MemoryDc offscreen(surface.Get());
    ScopedSelect bitmap(offscreen.Get(),
                        GdiObject(CreateCompatibleBitmap(surface.Get(), caption.right, caption.bottom)));
    DrawWith(offscreen.Get(), window, surface.Get(), caption, scrollStep, false);
}

void CaptionRenderer::DrawWith(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption,
                               bool scrollStep, bool keptSurface) {
    const auto paint = [&](bool step) {
        const Composed result = Compose(offscreen, window, windowSurface, caption, step);
        if (result == Composed::kCaption && !(keptSurface && AlreadyShown(windowSurface, caption)))
            CopyOut(offscreen, windowSurface, caption);
        return result != Composed::kTextRanOut;
    };
    const bool goesOn = paint(scrollStep);
    PaintScheduler& scheduler = state_.scheduler;
    if (scheduler.Scrolling && !goesOn) {
        scheduler.StopTimer(TIMER_SCROLL_STEP);
        if (state_.currentBackground)
            paint(false);
        else
            InvalidateRect(nullptr, nullptr, FALSE); // the system redraws every caption its own way
    }
}

bool CaptionRenderer::RenderCaption(HDC offscreen, HWND window, HDC windowSurface, const CaptionRect& caption,
                                    bool scrollStep) {
    const Composed result = Compose(offscreen, window, windowSurface, caption, scrollStep);
    if (result == Composed::kCaption)
        CopyOut(offscreen, windowSurface, caption);
    return result != Composed::kTextRanOut;
}

CaptionRenderer::Composed CaptionRenderer::Compose(HDC dc, HWND window, HDC windowSurface, const CaptionRect& caption,
                                                   bool scrollStep) {
    PaintScheduler& scheduler = state_.scheduler;
    const bool isForeground = Foreground() == window;
    if (isForeground && scheduler.Scrolling && !scrollStep)
        return Composed::kNothing; // while a scroll runs, only its ticks draw on the front caption

    const RECT rect = ToRect(caption);
    if (state_.currentBackground)
        state_.currentBackground->Paint(dc, &rect, state_.in256ColourMode);
    else if (scheduler.Scrolling && isForeground)
        FillRectangle(dc, rect, RGB(0, 0, 0));
    else
        return Composed::kNothing; // without a background, captions stay as the system drew them

    const auto windowStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));

    StripLeadingWhiteSpace(scheduler.ScrollText);
    if (scheduler.Scrolling && isForeground && !scheduler.ScrollText.empty()) {
        if (!DrawScrollText(dc, caption, scrollStep))
            return Composed::kTextRanOut;
    } else if (state_.settings.ShowTitle) {
        DrawTitle(dc, window, caption);
    }

    const CaptionButtonAreas buttons = ComputeButtonAreas(caption, windowStyle, exStyle, Metrics());
    if (buttons.hasClose)
        CopyButtonBox(dc, windowSurface, buttons.close);
    if (buttons.hasMinMax)
        CopyButtonBox(dc, windowSurface, buttons.minMax);
    return Composed::kCaption;
}

void CaptionRenderer::CopyOut(HDC offscreen, HDC windowSurface, const CaptionRect& caption) const {
    // In 256 colours the background's own palette must be realised for its picture to show true.
    HPALETTE palette =
        state_.in256ColourMode && state_.currentBackground ? state_.currentBackground->Palette() : nullptr;
    HPALETTE previousPalette = nullptr;
    if (palette) {
        previousPalette = SelectPalette(windowSurface, palette, TRUE);
        RealizePalette(windowSurface);
    }
    BitBlt(windowSurface, 0, 0, caption.right, caption.bottom, offscreen, 0, 0, SRCCOPY);
    if (palette)
        SelectPalette(windowSurface, previousPalette, FALSE);
}

// Whether the caption on the screen is, pixel for pixel, the one just composed: then the system
// has not drawn over it since it was last painted, and copying it again would change nothing.
// Whatever the system or another program drew there, or any change of title, settings or
// background, shows up as a difference. Only the window's visible part can be read back;
// leftovers elsewhere in the read-back surface never show, so they cannot hide a difference
// anyone would see.
bool CaptionRenderer::AlreadyShown(HDC windowSurface, const CaptionRect& caption) {
    const int32_t width = caption.right - caption.left;
    const int32_t height = caption.bottom - caption.top;
    HDC readBack = shown_.Get(caption.right, caption.bottom);
    if (width < 1 || height < 1 || !readBack)
        return false;
    if (!BitBlt(readBack, caption.left, caption.top, width, height, windowSurface, caption.left, caption.top, SRCCOPY))
        return false;
    GdiFlush();
    constexpr uint32_t kColourBits = 0x00FFFFFF;
    for (int32_t y = caption.top; y < caption.bottom; ++y) {
        const uint32_t* composed = composition_.Row(y) + caption.left;
        const uint32_t* shown = shown_.Row(y) + caption.left;
        uint32_t differences = 0;
        for (int32_t x = 0; x < width; ++x)
            differences |= (composed[x] ^ shown[x]) & kColourBits;
        if (differences)
            return false;
    }
    return true;
}

bool CaptionRenderer::DrawScrollText(HDC dc, const CaptionRect& caption, bool scrollStep) {
    PaintScheduler& scheduler = state_.scheduler;
    if (scheduler.ResetScrollPosition) {
        ScrollPosition = ScrollStart(caption);
        scheduler.ResetScrollPosition = false;
    }
    ScopedSelect font(dc, static_cast<HGDIOBJ>(state_.settings.GetTextFont()));
    const int32_t width = TextWidth(dc, scheduler.ScrollText);
    if (ScrollHasRunOut(ScrollPosition, width, caption)) {
        ScrollPosition = ScrollStart(caption);
        return false;
    }
    const PainterSettings& settings = state_.settings;
    if (!settings.ForegroundTransparent)
        DrawBox(dc, ToRect(ScrollBox(ScrollPosition, width, caption)),
                TableColour(settings.GetTextBackgroundColorIndex()), TableColour(settings.GetTextBorderColorIndex()));
    DrawLine(dc, scheduler.ScrollText, TableColour(settings.GetTextColorIndex(BackgroundColour())), ScrollPosition,
             width, caption);
    if (scrollStep)
        ScrollPosition -= kScrollStepPixels; // only scroll ticks move the text
    return true;
}

void CaptionRenderer::DrawTitle(HDC dc, HWND window, const CaptionRect& caption) {
    const PainterSettings& settings = state_.settings;
    const std::string title = WindowTitle(window);
    ScopedSelect font(dc, static_cast<HGDIOBJ>(settings.GetTextFont()));
    const int32_t width = TextWidth(dc, title);
    const int32_t x = TitleX(settings.Alignment, caption, width);
    if (!settings.TitleTransparent)
        DrawBox(dc, ToRect(TitleBox(x, width, caption)), TableColour(settings.GetTextBackgroundColorIndex()),
                TableColour(settings.GetTextBorderColorIndex()));
    DrawLine(dc, title, TableColour(settings.GetTitleColorIndex(BackgroundColour())), x, width, caption);
}

void DrawBackgroundItem(const DRAWITEMSTRUCT& item, CBackgroundEntry* entry, const char* label, BOOL in256ColourMode) {
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    if (entry)
        entry->Paint(dc, &row, in256ColourMode);
    else
        FillRectangle(dc, row, kNoneRowColour);
    const GdiObject frame(CreateSolidBrush(kWhiteColour));
    FrameRect(dc, &row, static_cast<HBRUSH>(frame.Get()));
    const std::string text = label ? label : "";
    RECT box{0, row.top, TextWidth(dc, text) + kLabelMargin, row.bottom};
    DrawBox(dc, box, (item.itemState & ODS_SELECTED) ? kLabelSelectedColour : kLabelColour, kLabelOutlineColour);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kWhiteColour);
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

} // namespace bndx
