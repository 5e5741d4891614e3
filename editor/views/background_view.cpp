#include "editor/views/background_view.h"

#include "common/ui/colour_swatch.h"
#include "common/colour_table.h"
#include "editor/documents/background_doc.h"
#include "platform/dib/dib_owners.h"
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
    const ListBox colours(Item(IDC_COLOUR_LIST));
    for (int n = 0; n < kSwatchCount; ++n)
        colours.AddItem(n);

    // The strip inside the frame is exactly one caption bar of this system high.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    RECT frame = ControlRect(IDC_PREVIEW_FRAME);
    frame.bottom = frame.top + metrics.iCaptionHeight + 4;
    MoveControl(IDC_PREVIEW_FRAME, frame);
    FormView::OnInitialUpdate();
}

// Every window shows the document's header; the preview follows the colour and the image.
void CBackgroundView::OnUpdate(View*, LPARAM hint) {
    const BackgroundFileHeader& header = Document().Header();
    m_strDescription = DescriptionOf(header.Description);
    m_nColor = header.ColourIndex;
    filling_ = true;
    UpdateData(false);
    filling_ = false;
    if (hint != CBackgroundDoc::kDescriptionChanged)
        InvalidateRect(Handle(), nullptr, TRUE);
}

void CBackgroundView::OnDescriptionChanged() {
    if (filling_ || !UpdateData(true))
        return;
    Document().SetDescription(m_strDescription, this);
}

void CBackgroundView::OnColourChanged() {
    if (filling_ || !UpdateData(true))
        return;
    Document().SetColourIndex(static_cast<uint8_t>(m_nColor & 0xFF), nullptr);
}

void CBackgroundView::OnSetImage() {
    std::string path;
    if (!PromptForOpenFile(GetAncestor(Handle(), GA_ROOT), path, "BMP", "Bitmap Files (*.bmp)|*.bmp|"))
        return;
    // A picture that cannot be read leaves the background without one; saving then says so.
    Document().SetImage(UniqueDib(LoadDIB(path.c_str())));
}

void CBackgroundView::PaintContent(HDC dc, const RECT&) {
    HDIB dib = Document().Dib();
    if (!dib)
        return;
    RECT preview = ControlRect(IDC_PREVIEW_FRAME);
    InflateRect(&preview, -2, -2);
    const UniquePalette palette(GetDeviceCaps(dc, BITSPIXEL) == 8 ? CreateDIBPalette(dib) : nullptr);
    PaintDIB(dc, &preview, dib, palette.Get(), 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, SwatchColour(Document().Header().ColourIndex));
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
