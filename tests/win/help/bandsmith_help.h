// Bandsmith's Help command, kept apart because the editor's resource numbers clash with those of
// Banderix, which the other cases use.
#pragma once

#include "tests/win/driver/bandsmith_program.h"

namespace bndx::e2e {

// Help > Contents, as the menu sends it.
void ChooseHelpContents(const BandsmithProgram& editor);

} // namespace bndx::e2e
