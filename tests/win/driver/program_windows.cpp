#include "tests/win/driver/program_windows.h"

#include "common/painter_messages.h"
#include "tests/win/desktop.h"

#include <commctrl.h>
#include <dlgs.h>

#include <algorithm>
#include <functional>

namespace bndx::e2e {

namespace {

constexpr DWORD kHandlerTimeoutMs = 5000;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

std::string Narrow(const wchar_t* text) {
    char narrow[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof(narrow), nullptr, nullptr);
    return narrow;
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM context) {
            auto* s = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD processId, const std::function<bool(HWND)>& fits, DWORD timeoutMs) {
    HWND found = nullptr;
    test::WaitFor(
        [&] {
            for (HWND window : TopLevelWindowsOf(processId))
                if (fits(window))
                    return (found = window) != nullptr;
            return false;
        },
        timeoutMs);
    return found;
}

// A message box holds texts, perhaps an icon, and push buttons: nothing a user could edit or tick.
bool LooksLikeMessageBox(HWND window) {
    if (ClassOf(window) != "#32770")
        return false;
    bool hasButton = false;
    for (HWND child : ChildrenOf(window)) {
        const std::string kind = ClassOf(child);
        const LONG button = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (kind == "Button" && (button == BS_PUSHBUTTON || button == BS_DEFPUSHBUTTON))
            hasButton = true;
        else if (kind != "Static")
            return false;
    }
    return hasButton;
}

// Explorer-style dialogs keep the name in an edit inside a combo box (cmb13), older ones in a
// plain edit (edt1).
HWND FileNameBox(HWND dialog) {
    for (HWND child : ChildrenOf(dialog))
        if (ClassOf(child) == "Edit" &&
            (GetDlgCtrlID(child) == edt1 || GetDlgCtrlID(child) == cmb13 || GetDlgCtrlID(GetParent(child)) == cmb13))
            return child;
    return nullptr;
}

// A command from a control, handled before this returns, as the control itself would send it.
void Notify(HWND dialog, int controlId, WORD code) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(controlId, code),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)), SMTO_NORMAL, kHandlerTimeoutMs,
                        &result);
}

} // namespace

std::string TextOf(HWND window) {
    // WM_GETTEXT reaches controls of other processes as well as top-level windows.
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kHandlerTimeoutMs, &length))
        GetWindowTextA(window, text, sizeof(text)); // what the system keeps, when the owner does not answer
    return text;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    std::vector<HWND> visible = TopLevelWindowsOf(processId);
    // Banderix's overlays lie over other programs' captions; they are not windows of its own to look at.
    visible.erase(std::remove_if(visible.begin(), visible.end(),
                                 [](HWND w) { return !IsWindowVisible(w) || ClassOf(w) == kOverlayWindowClass; }),
                  visible.end());
    return visible;
}

std::string DescribeVisible(DWORD processId) {
    std::string description;
    for (HWND window : VisibleWindowsOf(processId))
        description += "[" + ClassOf(window) + " \"" + TextOf(window) + "\"] ";
    return description.empty() ? "no visible window" : description;
}

HWND WaitForWindowOf(DWORD processId, const char* title, int controlId, DWORD timeoutMs) {
    return WaitForWindow(
        processId,
        [&](HWND window) {
            return (!title || TextOf(window) == title) && (!controlId || GetDlgItem(window, controlId));
        },
        timeoutMs);
}

HWND WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs) {
    return WaitForWindow(
        processId,
        [&](HWND window) {
            return IsWindowVisible(window) && TextOf(window) == caption && LooksLikeMessageBox(window);
        },
        timeoutMs);
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child : ChildrenOf(box))
        if (ClassOf(child) == "Static") {
            const std::string line = TextOf(child);
            if (!line.empty())
                text += text.empty() ? line : "\n" + line;
        }
    return text;
}

HWND WaitForFileDialog(DWORD processId, const char* title, DWORD timeoutMs) {
    return WaitForWindow(
        processId,
        [&](HWND window) { return IsWindowVisible(window) && TextOf(window) == title && FileNameBox(window); },
        timeoutMs);
}

std::string FileDialogName(HWND dialog) {
    const HWND box = FileNameBox(dialog);
    return box ? TextOf(box) : std::string();
}

bool ChooseFile(HWND dialog, const std::string& path) {
    const HWND box = FileNameBox(dialog);
    // The Open or Save button; the dialog has other children with the same id.
    HWND ok = nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child && !ok; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == IDOK && ClassOf(child) == "Button")
            ok = child;
    if (!box || !ok || (!path.empty() && !TypeText(box, path)))
        return false;
    PostMessageA(ok, BM_CLICK, 0, 0);
    return test::WaitFor([dialog] { return !IsWindow(dialog); }, 5000);
}

bool IsInFront(HWND window) {
    return window && IsWindowVisible(window) && GetForegroundWindow() == window;
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return test::WaitFor([window] { return GetForegroundWindow() == window; }, 2000);
}

void Click(HWND dialog, int buttonId) {
    PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

bool IsEnabled(HWND dialog, int controlId) {
    return IsWindowEnabled(GetDlgItem(dialog, controlId)) != FALSE;
}

bool IsChecked(HWND dialog, int buttonId) {
    return SendDlgItemMessageA(dialog, buttonId, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void PressKey(HWND window, WORD virtualKey) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) && thread.hwndFocus)
        target = thread.hwndFocus;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, virtualKey, scan | 1);
    PostMessageA(target, WM_KEYUP, virtualKey, scan | 1 | (1u << 30) | (1u << 31));
}

bool TypeText(HWND edit, const std::string& text) {
    PostMessageA(edit, EM_SETSEL, 0, -1);
    if (text.empty())
        PostMessageA(edit, WM_CHAR, VK_BACK, 1);
    for (const char c : text)
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    return test::WaitFor([&] { return TextOf(edit) == text; }, kHandlerTimeoutMs);
}

void MoveSlider(HWND dialog, int sliderId, int position) {
    HWND slider = GetDlgItem(dialog, sliderId);
    SendMessageA(slider, TBM_SETPOS, TRUE, position);
    DWORD_PTR result = 0;
    for (const WORD code : {static_cast<WORD>(TB_THUMBPOSITION), static_cast<WORD>(TB_ENDTRACK)})
        SendMessageTimeoutA(dialog, WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(slider),
                            SMTO_NORMAL, kHandlerTimeoutMs, &result);
}

void ChooseComboItem(HWND dialog, int comboId, int index) {
    SendDlgItemMessageA(dialog, comboId, CB_SETCURSEL, index, 0);
    Notify(dialog, comboId, CBN_SELCHANGE);
}

int ListBox::Count() const {
    return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
}

std::string ListBox::Text(int row) const {
    // Asked in the list's own character set: Wine hands another process's list text to an
    // ANSI caller unconverted.
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR)
        return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.c_str());
}

std::vector<std::string> ListBox::Texts() const {
    std::vector<std::string> texts;
    for (int row = 0; row < Count(); ++row)
        texts.push_back(Text(row));
    return texts;
}

int ListBox::ItemHeight() const {
    return static_cast<int>(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0));
}

std::vector<int> ListBox::Selected() const {
    std::vector<int> rows;
    for (int row = 0; row < Count(); ++row)
        if (SendMessageA(list_, LB_GETSEL, row, 0) > 0)
            rows.push_back(row);
    return rows;
}

int ListBox::RowOf(const std::string& text) const {
    const std::vector<std::string> texts = Texts();
    const auto found = std::find(texts.begin(), texts.end(), text);
    return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

void ListBox::ClickRow(int row) const {
    if (GetWindowLongA(list_, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        SendMessageA(list_, LB_SETSEL, SendMessageA(list_, LB_GETSEL, row, 0) > 0 ? FALSE : TRUE, row);
    else
        SendMessageA(list_, LB_SETCURSEL, row, 0);
    Notify(dialog_, id_, LBN_SELCHANGE);
}

} // namespace bndx::e2e
