#include "editor/views/background_view.h"

#include "common/ui/colour_swatch.h"
#include "common/colour_table.h"
#include "common/ui/help.h"
#include "editor/documents/background_doc.h"
#include "platform/dib/dibutil.h"
#include "platform/framework/controls.h"
#include "platform/framework/file_dialogs.h"
#include "platform/framework/scoped_gdi.h"
#include "resources/editor/resource.h"

#include <cstring>

namespace bndx {

namespace {

constexpr ULONG_PTR kHelpTopic = 13;
constexpr int kSwatchCount = 16;
constexpr int kRightMargin = 20;
constexpr char kSampleTitle[] = "Sample Title";

COLORREF SwatchColour(UINT colourIndex) {
    const Rgb colour = ColourOf(colourIndex + 1);
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace

const RuntimeClass<View> CBackgroundView::Class{"CBackgroundView", []() -> View* { return new CBackgroundView; }};

CBackgroundView::CBackgroundView() : FormView(IDD_BACKGROUND_FORM) {}

CBackgroundDoc& CBackgroundView::Document() const {
    return static_cast<CBackgroundDoc&>(*GetDocument());
}

void CBackgroundView::DoDataExchange(DataExchange& dx) {
    // The header keeps 31 characters and its terminator.
    dx.Text(IDC_BACKGROUND_DESCRIPTION, m_strDescription, kDescriptionFieldSize - 1);
    dx.ListIndex(IDC_COLOUR_LIST, m_nColor);
}

bool CBackgroundView::OnInitDialog() {
    return true; // the controls are filled at the initial update, once the document is there
}

RECT CBackgroundView::ControlRect(int id) const {
    RECT rect{};
    GetWindowRect(Item(id), &rect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CBackgroundView::OnInitialUpdate() {
    FormView::OnInitialUpdate();
    m_pHeader = Document().GetHeader();
    m_strDescription = DescriptionOf(m_pHeader->Description);
    const ListBox colours(Item(IDC_COLOUR_LIST));
    for (int n = 0; n < kSwatchCount; ++n)
        colours.AddItem(n);
    m_nColor = m_pHeader->ColourIndex;

    // The strip inside the frame is exactly one caption bar of this system high.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    RECT frame = ControlRect(IDC_PREVIEW_FRAME);
    frame.bottom = frame.top + metrics.iCaptionHeight + 4;
    MoveWindow(Item(IDC_PREVIEW_FRAME), frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               TRUE);

    filling_ = true;
    UpdateData(false);
    filling_ = false;
}

void CBackgroundView::OnDescriptionChanged() {
    if (filling_ || !m_pHeader)
        return;
    Document().SetModifiedFlag();
    UpdateData(true);
    std::memset(m_pHeader->Description, 0, kDescriptionFieldSize);
    std::strncpy(m_pHeader->Description, m_strDescription.c_str(), kDescriptionFieldSize - 1);
    Document().SetModifiedFlag();
}

void CBackgroundView::OnColourChanged() {
    if (filling_ || !m_pHeader)
        return;
    Document().SetModifiedFlag();
    UpdateData(true);
    m_pHeader->ColourIndex = static_cast<uint8_t>(m_nColor & 0xFF);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CBackgroundView::OnSetImage() {
    std::string path;
    if (!PromptForOpenFile(GetAncestor(Handle(), GA_ROOT), path, "BMP", "Bitmap Files (*.bmp)|*.bmp|"))
        return;
    Document().SetModifiedFlag();
    // A picture that cannot be read leaves the background without one; saving then says so.
    Document().SetDib(LoadDIB(path.c_str()));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CBackgroundView::OnDraw() {
    HDIB dib = Document().Dib();
    if (!dib || !m_pHeader)
        return;
    RECT preview = ControlRect(IDC_PREVIEW_FRAME);
    InflateRect(&preview, -2, -2);
    HDC dc = GetDC(Handle());
    const GdiObject palette(GetDeviceCaps(dc, BITSPIXEL) == 8 ? CreateDIBPalette(dib) : nullptr);
    PaintDIB(dc, &preview, dib, static_cast<HPALETTE>(palette.Get()), 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SwatchColour(m_pHeader->ColourIndex));
    TextOutA(dc, preview.left + 3, preview.top + 3, kSampleTitle, static_cast<int>(std::strlen(kSampleTitle)));
    ReleaseDC(Handle(), dc);
}

void CBackgroundView::DrawSwatch(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= kSwatchCount)
        return; // the focus rectangle of an empty list, say
    DrawColourSwatch(item.hDC, item.rcItem, SwatchColour(item.itemID), (item.itemState & ODS_SELECTED) != 0);
}

void CBackgroundView::OnSize(int width) {
    if (HWND button = Item(IDC_SET_IMAGE)) {
        const RECT rect = ControlRect(IDC_SET_IMAGE);
        const int buttonWidth = rect.right - rect.left;
        MoveWindow(button, width - kRightMargin - buttonWidth, rect.top, buttonWidth, rect.bottom - rect.top, FALSE);
    }
    if (HWND frame = Item(IDC_PREVIEW_FRAME)) {
        const RECT rect = ControlRect(IDC_PREVIEW_FRAME);
        MoveWindow(frame, rect.left, rect.top, width - kRightMargin - rect.left, rect.bottom - rect.top, FALSE);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CBackgroundView::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
    case IDC_SET_IMAGE:
        if (notifyCode == BN_CLICKED)
            OnSetImage();
        return true;
    case IDC_BACKGROUND_DESCRIPTION:
        if (notifyCode == EN_CHANGE)
            OnDescriptionChanged();
        return true;
    case IDC_COLOUR_LIST:
        if (notifyCode == LBN_SELCHANGE)
            OnColourChanged();
        return true;
    default:
        return FormView::OnCommand(id, notifyCode, control);
    }
}

bool CBackgroundView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(Handle(), &paint);
        EndPaint(Handle(), &paint);
        OnDraw();
        result = TRUE;
        return true;
    }
    case WM_SIZE:
        OnSize(LOWORD(lParam));
        return false;
    case WM_DRAWITEM:
        if (wParam != IDC_COLOUR_LIST)
            return false;
        DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    default:
        return false;
    }
}

bool CBackgroundView::HasCommand(UINT id, bool& enabled) {
    if (id == ID_HELP_CONTENTS) {
        enabled = true;
        return true;
    }
    return FormView::HasCommand(id, enabled);
}

bool CBackgroundView::RunCommand(UINT id) {
    if (id == ID_HELP_CONTENTS) {
        ShowHelp(GetAncestor(Handle(), GA_ROOT), "Bandsmith.HLP", kHelpContext, kHelpTopic);
        return true;
    }
    return FormView::RunCommand(id);
}

} // namespace bndx
