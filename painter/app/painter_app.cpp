// Banderix's start: one copy only, the splash picture, then the main window for the program's
// whole life.
#include "common/ui/help.h"
#include "common/ui/splash_wnd.h"
#include "painter/app/selector_dlg.h"
#include "platform/framework/application.h"
#include "platform/framework/message_box.h"
#include "platform/framework/win32_handles.h"
#include "resources/painter/resource.h"

namespace bndx {

namespace {

constexpr char kMainWindowTitle[] = "Banderix";
constexpr char kInstanceMutexName[] = "Kestrelby.Banderix.OneInstance";

// Held for the program's whole life. The main window appears only after the splash and the scan
// of the data files, so a copy started at the same moment would not find it yet; the mutex is
// there from the first instant.
class InstanceMutex {
public:
    InstanceMutex()
        : handle_(CreateMutexA(nullptr, FALSE, kInstanceMutexName)),
          heldByAnother_(handle_ && GetLastError() == ERROR_ALREADY_EXISTS) {}
    bool HeldByAnother() const { return heldByAnother_; }

private:
    UniqueKernelObject handle_;
    bool heldByAnother_;
};

class CPainterApp : public Application {
protected:
    // The whole life of the program; false, so nothing runs after it.
    bool InitInstance() override {
        const InstanceMutex instance;
        if (instance.HeldByAnother() || FindWindowA(nullptr, kMainWindowTitle)) {
            ShowProgramMessageBox("Only one instance of Banderix can run at a time.", MB_OK | MB_ICONSTOP);
            return false;
        }
        CSplashWnd splash(IDD_SPLASH, IDB_SPLASH);
        splash.Show();
        try {
            CSelectorDlg selector;
            selector.DoModal();
        } catch (...) {
            ShowMessageBox("An unexpected error has occurred.  Banderix is shutting down.", nullptr,
                           MB_OK | MB_ICONINFORMATION);
        }
        MainWindow = nullptr;
        CloseHelp();
        return false;
    }
};

CPainterApp theApp;

} // namespace

} // namespace bndx
