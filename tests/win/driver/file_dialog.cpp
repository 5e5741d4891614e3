#include "tests/win/driver/file_dialog.h"

#include "tests/win/desktop.h"
#include "tests/win/driver/program_windows.h"

#include <dlgs.h>

namespace bndx::e2e {

namespace {

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// Explorer-style dialogs keep the name in an edit inside a combo box (cmb13), older ones in a
// plain edit (edt1).
HWND FileNameBox(HWND dialog) {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM context) {
            if (ClassOf(child) != "Edit") return TRUE;
            const int id = GetDlgCtrlID(child);
            const int parentId = GetDlgCtrlID(GetParent(child));
            if (id == edt1 || id == cmb13 || parentId == cmb13) {
                reinterpret_cast<Search*>(context)->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The Open or Save button; the dialog has other children with the same id.
HWND OkButton(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == IDOK && ClassOf(child) == "Button") return child;
    return nullptr;
}

} // namespace

HWND WaitForFileDialog(DWORD processId, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    test::WaitFor(
        [&] {
            for (HWND window : VisibleWindowsOf(processId))
                if (TextOf(window) == title && FileNameBox(window)) return (found = window) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}

std::string FileDialogName(HWND dialog) {
    const HWND box = FileNameBox(dialog);
    return box ? TextOf(box) : std::string();
}

bool ChooseFile(HWND dialog, const std::string& path) {
    const HWND box = FileNameBox(dialog);
    const HWND ok = OkButton(dialog);
    if (!box || !ok || (!path.empty() && !TypeText(box, path))) return false;
    PostMessageA(ok, BM_CLICK, 0, 0);
    return test::WaitFor([dialog] { return !IsWindow(dialog); }, 5000);
}

} // namespace bndx::e2e
