#include "editor/app/main_frame.h"

#include "platform/framework/framework_ids.h"
#include "resources/editor/resource.h"

namespace bndx {

bool CMainFrame::OnCreate() {
    if (!MdiFrame::OnCreate())
        return false;
    if (!GetToolbar().Create(Handle(), IDW_TOOLBAR, IDR_MAINFRAME))
        return false;
    return GetStatusBar().Create(Handle(), IDW_STATUS_BAR, {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL});
}

} // namespace bndx
