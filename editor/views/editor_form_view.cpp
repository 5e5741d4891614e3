#include "editor/views/editor_form_view.h"

#include "common/ui/help.h"
#include "resources/editor/resource.h"

namespace bndx {

bool EditorFormView::HasCommand(UINT id, bool& enabled) {
    if (id == ID_HELP_CONTENTS) {
        enabled = true;
        return true;
    }
    return FormView::HasCommand(id, enabled);
}

bool EditorFormView::RunCommand(UINT id) {
    if (id == ID_HELP_CONTENTS) {
        ShowHelp(GetAncestor(Handle(), GA_ROOT), "Bandsmith.HLP", kHelpContext, helpTopic_);
        return true;
    }
    return FormView::RunCommand(id);
}

} // namespace bndx
