// An add-in whose GetForeground has no object to give.
#include "addins/foreground_addin.h"

extern "C" __declspec(dllexport) CForegroundAddIn* BNDX_ADDIN_EXPORT_CALL GetForeground(void) {
    return nullptr;
}
