// The child frames of the editor's documents: each opens at its kind's own size.
#pragma once

#include "platform/framework/doc_template.h"
#include "platform/framework/mdi_child.h"

namespace bndx {

// Background and foreground documents.
class CChildFrame : public MdiChild {
public:
    static const RuntimeClass<MdiChild> Class;

protected:
    void PreCreateWindow(MDICREATESTRUCTA& create) override;
};

// Mail message documents.
class CMailObjectFrame : public MdiChild {
public:
    static const RuntimeClass<MdiChild> Class;

protected:
    void PreCreateWindow(MDICREATESTRUCTA& create) override;
};

} // namespace bndx
