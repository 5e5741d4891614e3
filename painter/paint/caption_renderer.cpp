#include "painter/paint/caption_renderer.h"

#include "painter/paint/caption_layout.h"
#include "platform/framework/scoped_gdi.h"
#include "common/colour_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace bndx {

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

// Lines from files are in the system's code page; titles are taken as the system holds them, so
// that a title in any script shows as the system shows it.

int32_t TextWidth(HDC dc, const std::string& text) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

int32_t TextWidth(HDC dc, const WindowTitle& text) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

void DrawTextIn(HDC dc, const std::string& text, RECT& area) {
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area, kTextFormat);
}

void DrawTextIn(HDC dc, const WindowTitle& text, RECT& area) {
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, kTextFormat);
}

template <typename Text>
void DrawLine(HDC dc, const Text& text, COLORREF colour, int32_t x, int32_t width, const CaptionRect& caption) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT area{x, caption.top, x + width, caption.bottom};
    DrawTextIn(dc, text, area);
}

} // namespace

std::optional<uint8_t> CaptionRenderer::BackgroundColour() const {
    if (!state_.painter.background)
        return std::nullopt;
    return state_.painter.background->ColourIndex();
}

// Asking for the foreground window is a round trip to the window system; a pass asks once.
void CaptionRenderer::BeginPass(HWND foreground) {
    passForeground_ = foreground;
    inPass_ = true;
}

void CaptionRenderer::EndPass() {
    inPass_ = false;
}

HWND CaptionRenderer::Foreground() const {
    return inPass_ ? passForeground_ : GetForegroundWindow();
}

Composition CaptionRenderer::Compose(HWND window, const CaptionRect& caption, const WindowStyles& styles, uint32_t dpi,
                                     const WindowTitle& title, bool scrollStep) {
    const PaintScheduler& scheduler = state_.scheduler;
    const bool scrollsHere = scheduler.Scrolling() && Foreground() == window;
    if (scrollsHere && !scrollStep)
        return {Composition::Outcome::kLeaveAsIs, {}, {}}; // while a scroll runs, only its ticks draw here
    if (!state_.painter.background && !scrollsHere)
        return {Composition::Outcome::kSystemsOwn, {}, {}};
    HDC dc = composition_.Get(caption.right, caption.bottom);
    if (!dc)
        return {Composition::Outcome::kLeaveAsIs, {}, {}};

    const RECT rect = ToRect(caption);
    if (state_.painter.background)
        state_.painter.background->Paint(dc, &rect, state_.painter.in256ColourMode);
    else
        FillRectangle(dc, rect, RGB(0, 0, 0));

    const uint32_t windowStyle = styles.style;
    const uint32_t exStyle = styles.exStyle;
    const bool hasIcon = HasIcon(windowStyle, exStyle);
    const HFONT font = state_.settings.GetTextFont(dpi, state_.painter.metricsByDpi.SystemDpi());
    Composition result{Composition::Outcome::kComposed, {}, {}};
    if (scrollsHere && !scheduler.Scroll().Text.empty()) {
        result.scroll = DrawScrollText(dc, caption, font);
        if (result.scroll->ranOut) {
            result.outcome = Composition::Outcome::kLeaveAsIs;
            return result;
        }
    } else if (state_.settings.ShowTitle) {
        DrawTitle(dc, title, caption, font, hasIcon && keepIconClear_);
    }
    GdiFlush();

    ComposedCaption& composed = result.composed;
    composed.pixels = composition_.Pixels();
    composed.stride = composition_.Stride();
    composed.surface = dc;
    composed.caption = caption;
    composed.buttons = ComputeButtonAreas(caption, windowStyle, exStyle, state_.painter.metricsByDpi.At(dpi));
    composed.hasIcon = hasIcon;
    composed.icon = IconBox(caption);
    // In 256 colours the background's own palette must be realised for its picture to show true.
    composed.palette =
        state_.painter.in256ColourMode && state_.painter.background ? state_.painter.background->Palette() : nullptr;
    return result;
}

ScrollPlacement CaptionRenderer::DrawScrollText(HDC dc, const CaptionRect& caption, HFONT font) {
    const ScrollState& scroll = state_.scheduler.Scroll();
    ScopedSelect selected(dc, static_cast<HGDIOBJ>(font));
    const int32_t width = TextWidth(dc, scroll.Text);
    const ScrollPlacement placement = PlaceScrollText(scroll, width, caption);
    if (placement.ranOut)
        return placement;
    const PainterSettings& settings = state_.settings;
    if (!settings.ForegroundTransparent)
        DrawBox(dc, ToRect(ScrollBox(placement.position, width, caption)),
                TableColour(settings.GetTextBackgroundColorIndex()), TableColour(settings.GetTextBorderColorIndex()));
    DrawLine(dc, scroll.Text, TableColour(settings.GetTextColorIndex(BackgroundColour())), placement.position, width,
             caption);
    return placement;
}

void CaptionRenderer::DrawTitle(HDC dc, const WindowTitle& title, const CaptionRect& caption, HFONT font,
                                bool clearOfIcon) {
    const PainterSettings& settings = state_.settings;
    ScopedSelect selected(dc, static_cast<HGDIOBJ>(font));
    const int32_t width = TextWidth(dc, title);
    int32_t x = TitleX(settings.Alignment, caption, width);
    if (clearOfIcon) {
        // The box reaches 10 pixels left of the title; it ends 2 pixels right of the icon.
        constexpr int32_t kIconGap = 12;
        const ButtonBox icon = IconBox(caption);
        x = std::max(x, icon.x + icon.width + kIconGap);
    }
    if (!settings.TitleTransparent)
        DrawBox(dc, ToRect(TitleBox(x, width, caption)), TableColour(settings.GetTextBackgroundColorIndex()),
                TableColour(settings.GetTextBorderColorIndex()));
    DrawLine(dc, title, TableColour(settings.GetTitleColorIndex(BackgroundColour())), x, width, caption);
}

void DrawBackgroundItem(const DRAWITEMSTRUCT& item, CBackgroundEntry* entry, const char* label, bool in256ColourMode) {
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
