#include "editor/app/child_frames.h"

namespace bndx {

const RuntimeClass<MdiChild> CChildFrame::Class{"CChildFrame", []() -> MdiChild* { return new CChildFrame; }};
const RuntimeClass<MdiChild> CMailObjectFrame::Class{"CMailObjectFrame",
                                                     []() -> MdiChild* { return new CMailObjectFrame; }};

void CChildFrame::PreCreateWindow(MDICREATESTRUCTA& create) {
    create.cx = 390;
    create.cy = 275;
}

void CMailObjectFrame::PreCreateWindow(MDICREATESTRUCTA& create) {
    create.cx = 450;
    create.cy = 300;
}

} // namespace bndx
