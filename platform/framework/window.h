// The base of the framework's own windows (frames, child frames, preview): the object is bound
// to its window from WM_NCCREATE on and every message reaches one virtual HandleMessage.
#pragma once

#include <windows.h>

namespace bndx {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return window_; }

    // Registers a window class of this program once; later calls with the same name do nothing.
    static void RegisterClass(const char* name, HICON icon, HBRUSH background);

    // Makes the window; false when it could not be made. An MDI child is made through its
    // client window instead (see MdiChild).
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu);

protected:
    // Called for every message; the default hands it to DefaultProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The system's default handling of a message for this kind of window.
    virtual LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (after WM_NCDESTROY). Windows that own themselves delete
    // themselves here.
    virtual void OnWindowGone() {}

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    HWND window_ = nullptr;
};

} // namespace bndx
