#include "platform/framework/view.h"

#include "platform/framework/document.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/printing.h"
#include "platform/framework/scoped_gdi.h"

namespace bndx {

namespace {

// The window's frame and client area, each drawn by the window itself; the origin of dc is the
// window's top-left corner.
void PrintWindowTree(HWND window, HDC dc);

// The visible children from the bottom of the z-order up, each at its place in the parent's
// client area (the origin of dc), so that the upper ones land on top.
void PrintChildren(HWND parent, HDC dc) {
    for (HWND child = GetWindow(GetWindow(parent, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
        const int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, place.left, place.top, nullptr);
        IntersectClipRect(dc, 0, 0, place.right - place.left, place.bottom - place.top);
        PrintWindowTree(child, dc);
        RestoreDC(dc, saved);
    }
}

// The system's PrintWindow leaves the children out on some systems, and WM_PRINT draws them
// only where the default window procedure does: the tree is walked here instead.
void PrintWindowTree(HWND window, HDC dc) {
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
    RECT frame;
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, client.x - frame.left, client.y - frame.top, nullptr);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
    PrintChildren(window, dc);
    RestoreDC(dc, saved);
}

} // namespace

View::~View() {
    if (document_)
        document_->RemoveView(this);
}

void View::AttachTo(Document& document) {
    document_ = &document;
    document.AddView(this);
}

// By default the page shows the view as it stands on the screen, scaled to the page's width.
void View::OnPrint(HDC dc, const RECT& page) {
    HWND window = Handle();
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    const ClientDc screen(window);
    const MemoryDc memory(screen.Get());
    const GdiObject bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        ScopedSelect selected(memory.Get(), bitmap.Get());
        // The client area only: its children, not the window's own frame.
        SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(memory.Get()), PRF_ERASEBKGND | PRF_CLIENT);
        PrintChildren(window, memory.Get());
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::string pixels(static_cast<size_t>(width) * height * 4, '\0');
    GetDIBits(memory.Get(), static_cast<HBITMAP>(bitmap.Get()), 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    const int pageWidth = page.right - page.left;
    const int pageHeight = MulDiv(pageWidth, height, width);
    StretchDIBits(dc, page.left, page.top, pageWidth, pageHeight, 0, 0, width, height, pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

RECT FormView::ControlRect(int id) const {
    RECT rect{};
    if (HWND control = Item(id)) {
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, Dialog::Handle(), reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

void FormView::MoveControl(int id, const RECT& rect) const {
    MoveWindow(Item(id), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
}

bool View::HasCommand(UINT id, bool& enabled) {
    switch (id) {
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
    case ID_FILE_PRINT_PREVIEW:
        enabled = true;
        return true;
    default:
        return false;
    }
}

bool View::RunCommand(UINT id) {
    HWND frame = GetParent(Handle());
    const std::string title = document_ ? document_->Title() : std::string();
    switch (id) {
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_DIRECT:
        PrintView(*this, frame, title.c_str(), id == ID_FILE_PRINT_DIRECT);
        return true;
    case ID_FILE_PRINT_PREVIEW:
        ShowPrintPreview(*this, GetAncestor(frame, GA_ROOT));
        return true;
    default:
        return false;
    }
}

} // namespace bndx
