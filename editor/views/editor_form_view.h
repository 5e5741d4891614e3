// What the editor's three forms share: Help Contents opens the editor's help at the form's own
// topic.
#pragma once

#include "platform/framework/view.h"

namespace bndx {

class EditorFormView : public FormView {
public:
    EditorFormView(UINT templateId, ULONG_PTR helpTopic) : FormView(templateId), helpTopic_(helpTopic) {}

    bool HasCommand(UINT id, bool& enabled) override;
    bool RunCommand(UINT id) override;

private:
    ULONG_PTR helpTopic_;
};

} // namespace bndx
