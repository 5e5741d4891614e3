#include "platform/framework/view.h"

#include "platform/framework/document.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/printing.h"
#include "platform/framework/scoped_gdi.h"

namespace bndx {

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
    HDC screen = GetDC(window);
    MemoryDc memory(screen);
    const GdiObject bitmap(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(window, screen);
    {
        ScopedSelect selected(memory.Get(), bitmap.Get());
        PrintWindow(window, memory.Get(), PW_CLIENTONLY);
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
