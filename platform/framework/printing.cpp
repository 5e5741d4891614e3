#include "platform/framework/printing.h"

#include "platform/framework/message_box.h"
#include "platform/framework/scoped_gdi.h"
#include "platform/framework/view.h"
#include "platform/framework/win32_handles.h"
#include "platform/framework/window.h"

#include <commdlg.h>

namespace bndx {

namespace {

// The printer the user chose in Print Setup or the print dialog, for the next print.
UniqueGlobal g_deviceMode;
UniqueGlobal g_deviceNames;

constexpr int kPreviewPageWidth = 850; // a letter page in hundredths of an inch
constexpr int kPreviewPageHeight = 1100;
constexpr int kMarginHundredths = 50;

bool RunPrintDialog(HWND owner, DWORD flags, PRINTDLGA& dialog) {
    dialog = PRINTDLGA{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    // The dialog may free what it is given and hand back new memory: it holds both meanwhile.
    dialog.hDevMode = g_deviceMode.Release();
    dialog.hDevNames = g_deviceNames.Release();
    dialog.Flags = flags;
    const BOOL chosen = PrintDlgA(&dialog);
    g_deviceMode.Reset(dialog.hDevMode);
    g_deviceNames.Reset(dialog.hDevNames);
    return chosen != FALSE;
}

// The printer chosen last (in Print Setup or the print dialog), else the system's default one,
// without asking.
HDC ChosenPrinter(HWND owner) {
    if (!g_deviceNames) {
        PRINTDLGA dialog;
        return RunPrintDialog(owner, PD_RETURNDEFAULT | PD_RETURNDC, dialog) ? dialog.hDC : nullptr;
    }
    const LockedGlobal<const DEVNAMES> names(g_deviceNames.Get());
    const LockedGlobal<const DEVMODEA> mode(g_deviceMode.Get());
    if (!names.Get())
        return nullptr;
    const char* base = reinterpret_cast<const char*>(names.Get());
    return CreateDCA(base + names.Get()->wDriverOffset, base + names.Get()->wDeviceOffset, nullptr, mode.Get());
}

// The page's printable area with a half-inch margin, in the printer's pixels.
RECT PageArea(HDC printer) {
    const int marginX = MulDiv(GetDeviceCaps(printer, LOGPIXELSX), kMarginHundredths, 100);
    const int marginY = MulDiv(GetDeviceCaps(printer, LOGPIXELSY), kMarginHundredths, 100);
    return RECT{marginX, marginY, GetDeviceCaps(printer, HORZRES) - marginX, GetDeviceCaps(printer, VERTRES) - marginY};
}

GdiObject DrawPage(View& view) {
    const ClientDc screen(nullptr);
    GdiObject page(CreateCompatibleBitmap(screen.Get(), kPreviewPageWidth, kPreviewPageHeight));
    {
        MemoryDc memory(screen.Get());
        ScopedSelect selected(memory.Get(), page.Get());
        RECT whole{0, 0, kPreviewPageWidth, kPreviewPageHeight};
        FillRect(memory.Get(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const RECT area{kMarginHundredths, kMarginHundredths, kPreviewPageWidth - kMarginHundredths,
                        kPreviewPageHeight - kMarginHundredths};
        view.OnPrint(memory.Get(), area);
    }
    return page;
}

class PreviewWindow : public Window {
public:
    // The page is drawn once, so the preview does not depend on the view staying open.
    explicit PreviewWindow(View& view) : page_(DrawPage(view)) {}

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE)
                DestroyWindow(Handle());
            return 0;
        case WM_LBUTTONDOWN:
            DestroyWindow(Handle());
            return 0;
        default:
            return DefaultProc(message, wParam, lParam);
        }
    }
    void OnWindowGone() override { delete this; }

private:
    void Paint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
        // The page as large as the window lets it be, its shape kept.
        const int height = client.bottom - 20;
        const int width = MulDiv(height, kPreviewPageWidth, kPreviewPageHeight);
        const int left = (client.right - width) / 2;
        MemoryDc memory(dc);
        ScopedSelect selected(memory.Get(), page_.Get());
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, left, 10, width, height, memory.Get(), 0, 0, kPreviewPageWidth, kPreviewPageHeight, SRCCOPY);
        EndPaint(Handle(), &paint);
    }

    GdiObject page_;
};

constexpr char kPreviewClass[] = "BndxPrintPreview";

} // namespace

void ShowPrintSetup(HWND owner) {
    PRINTDLGA dialog;
    RunPrintDialog(owner, PD_PRINTSETUP, dialog);
}

void PrintView(View& view, HWND owner, const char* documentName, bool direct) {
    UniqueDc owned;
    if (direct) {
        owned.Reset(ChosenPrinter(owner));
    } else {
        PRINTDLGA dialog;
        if (RunPrintDialog(owner, PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS, dialog))
            owned.Reset(dialog.hDC);
    }
    const HDC printer = owned.Get();
    if (!printer)
        return;
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    bool printed = StartDocA(printer, &document) > 0 && StartPage(printer) > 0;
    if (printed) {
        view.OnPrint(printer, PageArea(printer));
        printed = EndPage(printer) > 0 && EndDoc(printer) > 0;
    }
    if (!printed) {
        AbortDoc(printer);
        ShowProgramMessageBox("Failed to print the document.", MB_OK | MB_ICONEXCLAMATION);
    }
}

void ShowPrintPreview(View& view, HWND owner) {
    Window::RegisterClass(kPreviewClass, nullptr, nullptr);
    auto* preview = new PreviewWindow(view);
    if (!preview->CreateEx(0, kPreviewClass, "Print Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                           CW_USEDEFAULT, 640, 760, owner, nullptr))
        delete preview;
}

} // namespace bndx
