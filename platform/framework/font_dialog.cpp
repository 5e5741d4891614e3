#include "platform/framework/font_dialog.h"

#include <commdlg.h>

namespace bndx {

bool ChooseScreenFont(HWND owner, LOGFONTA& font) {
    LOGFONTA chosen = font;
    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &chosen;
    dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&dialog))
        return false;
    font = chosen;
    return true;
}

} // namespace bndx
