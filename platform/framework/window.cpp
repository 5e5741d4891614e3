#include "platform/framework/window.h"

#include "platform/framework/message_box.h"
#include "platform/framework/program.h"

namespace bndx {

Window::~Window() {
    if (window_) {
        // The object is going: the window must not call it any more.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void Window::RegisterClass(const char* name, HICON icon, HBRUSH background) {
    WNDCLASSEXA known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExA(ProgramInstance(), name, &known))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ProgramInstance();
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

bool Window::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menu) {
    CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu, ProgramInstance(), this);
    return window_ != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        LPARAM self = reinterpret_cast<LPARAM>(create->lpCreateParams);
        // An MDI child's creation data comes wrapped in the client window's record.
        if (create->dwExStyle & WS_EX_MDICHILD)
            self = reinterpret_cast<const MDICREATESTRUCTA*>(create->lpCreateParams)->lParam;
        SetWindowLongPtrA(window, GWLP_USERDATA, self);
        reinterpret_cast<Window*>(self)->window_ = window;
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Unwinding must never cross the system's frames; the user is told and the program goes
        // on. A window that failed while being made is not made, and one that failed painting is
        // not asked to paint again while the message is up.
        if (message == WM_NCCREATE || message == WM_CREATE)
            return message == WM_CREATE ? -1 : FALSE;
        ValidateRect(window, nullptr);
        ShowMessageBox("An unexpected error has occurred.", ProgramName().c_str(), MB_OK | MB_ICONSTOP);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->OnWindowGone();
    }
    return result;
}

} // namespace bndx
