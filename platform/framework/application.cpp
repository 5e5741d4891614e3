#include "platform/framework/application.h"

#include <commctrl.h>

namespace bndx {

namespace {

Application* g_application = nullptr;

} // namespace

Application::Application() {
    g_application = this;
}

Application::~Application() {
    g_application = nullptr;
}

Application& Application::Current() {
    return *g_application;
}

HWND DialogOwner() {
    if (const HWND active = GetActiveWindow())
        return active;
    // A dialog already open over the main window owns the next one, so that closing the next one
    // does not enable the main window under the first.
    const HWND main = g_application ? g_application->MainWindow : nullptr;
    return main ? GetLastActivePopup(main) : nullptr;
}

bool Application::PreTranslateMessage(MSG& message) {
    return MainWindow && IsDialogMessageA(MainWindow, &message);
}

int Application::Run() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (!InitInstance())
        return 0;
    MSG message;
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            OnIdle();
        if (GetMessageA(&message, nullptr, 0, 0) <= 0)
            break;
        if (PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace bndx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return bndx::Application::Current().Run();
}
