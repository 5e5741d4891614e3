#include "common/help.h"

#include "platform/framework/program.h"

namespace bndx {

void ShowHelp(HWND owner, const char* fileName, UINT command, ULONG_PTR data) {
    WinHelpA(owner, (ProgramDirectory() + fileName).c_str(), command, data);
}

} // namespace bndx
