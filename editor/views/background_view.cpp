#include "editor/views/background_view.h"

#include "common/ui/colour_swatch.h"
#include "common/colour_table.h"
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

CBackgroundView::CBackgroundView() : EditorFormView(IDD_BACKGROUND_FORM, kHelpTopic) {}

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
    MoveControl(IDC_PREVIEW_FRAME, frame);
    InvalidateRect(Handle(), nullptr, TRUE);

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
    ReplaceControlCharacters(m_pHeader->Description); // pasted tabs and the like
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

void CBackgroundView::PaintContent(HDC dc, const RECT&) {
    HDIB dib = Document().Dib();
    if (!dib || !m_pHeader)
        return;
    RECT preview = ControlRect(IDC_PREVIEW_FRAME);
    InflateRect(&preview, -2, -2);
    const GdiObject palette(GetDeviceCaps(dc, BITSPIXEL) == 8 ? CreateDIBPalette(dib) : nullptr);
    PaintDIB(dc, &preview, dib, static_cast<HPALETTE>(palette.Get()), 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SwatchColour(m_pHeader->ColourIndex));
    TextOutA(dc, preview.left + 3, preview.top + 3, kSampleTitle, static_cast<int>(std::strlen(kSampleTitle)));
}

bool CBackgroundView::OnDrawItem(int id, const DRAWITEMSTRUCT& item) {
    if (id != IDC_COLOUR_LIST)
        return false;
    if (item.itemID < kSwatchCount) // not the focus rectangle of an empty list, say
        DrawColourSwatch(item.hDC, item.rcItem, SwatchColour(item.itemID), (item.itemState & ODS_SELECTED) != 0);
    return true;
}

void CBackgroundView::OnSize(int width, int) {
    if (Item(IDC_SET_IMAGE)) {
        RECT rect = ControlRect(IDC_SET_IMAGE);
        const int buttonWidth = rect.right - rect.left;
        rect.right = width - kRightMargin;
        rect.left = rect.right - buttonWidth;
        MoveControl(IDC_SET_IMAGE, rect);
    }
    if (Item(IDC_PREVIEW_FRAME)) {
        RECT rect = ControlRect(IDC_PREVIEW_FRAME);
        rect.right = width - kRightMargin;
        MoveControl(IDC_PREVIEW_FRAME, rect);
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

} // namespace bndx
