// The program's one application object: its start-up in InitInstance and, for programs that
// go on after start-up, the message loop.
#pragma once

#include <windows.h>

namespace bndx {

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The program's application object.
    static Application& Current();

    // Runs the program from WinMain: InitInstance, then the message loop if it asks for one.
    int Run();

    HWND MainWindow = nullptr;

protected:
    // Called once at start-up; true to go on into the message loop.
    virtual bool InitInstance() = 0;
    // Called for each message before it is dispatched; true when it was handled here.
    virtual bool PreTranslateMessage(MSG& message);
    // Called when the message queue has run empty, before waiting for the next message.
    virtual void OnIdle() {}
};

// The window the program's own questions and dialogs belong to, and disable while they are open:
// this thread's active window, else the main window or the dialog open over it. A question asked
// while the program is in the background (as Windows ends the session) still keeps the user away
// from what it is about.
HWND DialogOwner();

} // namespace bndx
