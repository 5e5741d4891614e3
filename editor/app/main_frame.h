// Bandsmith's main window: the frame with its toolbar and status bar around the documents.
#pragma once

#include "platform/framework/mdi_frame.h"

namespace bndx {

class CMainFrame : public MdiFrame {
protected:
    bool OnCreate() override;
};

} // namespace bndx
