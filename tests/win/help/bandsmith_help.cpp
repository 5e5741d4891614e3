#include "tests/win/help/bandsmith_help.h"

#include "resources/editor/resource.h"

namespace bndx::e2e {

void ChooseHelpContents(const BandsmithProgram& editor) {
    editor.Command(ID_HELP_CONTENTS);
}

} // namespace bndx::e2e
