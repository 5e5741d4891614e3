// Bandsmith's start: the splash picture, the three kinds of document, the main frame, the
// document the command line names (or File New), and the 256-colour hint.
#include "common/data_path_win32.h"
#include "common/ui/help.h"
#include "common/ui/one_time_dlg.h"
#include "common/ui/splash_wnd.h"
#include "editor/app/child_frames.h"
#include "editor/app/main_frame.h"
#include "editor/documents/background_doc.h"
#include "editor/documents/foreground_doc.h"
#include "editor/documents/mail_object_doc.h"
#include "editor/views/background_view.h"
#include "editor/views/foreground_view.h"
#include "editor/views/mail_object_view.h"
#include "platform/framework/doc_application.h"
#include "platform/framework/framework_ids.h"
#include "platform/framework/program.h"
#include "platform/framework/scoped_gdi.h"
#include "resources/editor/resource.h"

#include <memory>

namespace bndx {

namespace {

constexpr char kHelpFile[] = "Bandsmith.HLP";
constexpr uint32_t kColourDepthHint = IDS_256_COLOUR_HINT;
constexpr size_t kRecentFiles = 4;

int StartupShowState() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

class CBandsmithApp : public DocApplication {
public:
    ~CBandsmithApp() override { CloseHelp(); }

protected:
    bool InitInstance() override {
        splash_ = std::make_unique<CSplashWnd>(IDD_SPLASH, IDB_SPLASH);
        splash_->Show();

        SetRegistryKey("Bandsmith");
        LoadStdProfileSettings(kRecentFiles);
        // A user who may not write beside the program gets a data folder of their own now, so
        // that the painter, started later, already looks there.
        SettledDataPath(ProgramDirectory());

        AddDocTemplate(std::make_unique<DocTemplate>(IDR_FOREGROUNDTYPE, CForegroundDoc::Class, CChildFrame::Class,
                                                     CForegroundView::Class));
        AddDocTemplate(std::make_unique<DocTemplate>(IDR_BACKGROUNDTYPE, CBackgroundDoc::Class, CChildFrame::Class,
                                                     CBackgroundView::Class));
        AddDocTemplate(std::make_unique<DocTemplate>(IDR_MAILOBJECTTYPE, CMailObjectDoc::Class, CMailObjectFrame::Class,
                                                     CMailObjectView::Class));

        frame_ = std::make_unique<CMainFrame>();
        if (!frame_->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW))
            return false;
        SetMainFrame(frame_.get());

        if (!ProcessShellCommand())
            return false;
        ShowWindow(frame_->Handle(), StartupShowState());
        UpdateWindow(frame_->Handle());
        if (splash_->Handle())
            SetFocus(splash_->Handle());

        const bool colours256 = GetDeviceCaps(ClientDc(frame_->Handle()).Get(), BITSPIXEL) == 8;
        if (colours256) {
            COneTimeDlg hint(kColourDepthHint, 0, frame_->Handle(), Profile());
            hint.ShowHint(kColourDepthHint);
        }
        return true;
    }

    bool HasCommand(UINT id, bool& enabled) override {
        if (id == ID_APP_ABOUT || id == ID_HELP_CONTENTS) {
            enabled = true;
            return true;
        }
        return DocApplication::HasCommand(id, enabled);
    }

    bool RunCommand(UINT id) override {
        switch (id) {
        case ID_APP_ABOUT: {
            Dialog about(IDD_ABOUTBOX);
            about.DoModal(MainWindow);
            return true;
        }
        case ID_HELP_CONTENTS:
            ShowHelp(MainWindow, kHelpFile, kHelpContents);
            return true;
        default:
            return DocApplication::RunCommand(id);
        }
    }

private:
    std::unique_ptr<CSplashWnd> splash_;
    std::unique_ptr<CMainFrame> frame_;
};

CBandsmithApp theApp;

} // namespace

} // namespace bndx
