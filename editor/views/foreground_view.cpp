#include "editor/views/foreground_view.h"

#include "platform/framework/file_dialogs.h"
#include "resources/editor/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace bndx {

namespace {

constexpr ULONG_PTR kHelpTopic = 12;
constexpr int kColumnWidth = 230;
constexpr char kColumnTitle[] = "Foreground String";
constexpr char kNewText[] = "New Text";
constexpr size_t kMaxDescriptionLength = kDescriptionFieldSize - 1;
constexpr int kRightMargin = 20;
constexpr int kListToButtons = 30;
constexpr int kBottomMargin = 20;

// A notification's text in this program's code page, whichever character set the list chose.
std::string NarrowText(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), size, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(size) - 1);
    return narrow;
}

} // namespace

const RuntimeClass<View> CForegroundView::Class{"CForegroundView", []() -> View* { return new CForegroundView; }};

CForegroundView::CForegroundView() : EditorFormView(IDD_FOREGROUND_FORM, kHelpTopic) {}

CForegroundDoc& CForegroundView::Document() const {
    return static_cast<CForegroundDoc&>(*GetDocument());
}

HWND CForegroundView::List() const {
    return Item(IDC_STRING_LIST);
}

void CForegroundView::DoDataExchange(DataExchange& dx) {
    // The header keeps 31 characters and its terminator.
    dx.Text(IDC_FOREGROUND_DESCRIPTION, m_strDescription, static_cast<int>(kMaxDescriptionLength));
}

bool CForegroundView::OnInitDialog() {
    return true; // the controls are filled at the initial update, once the document is there
}

// The list holds no lines of its own, only their number: it asks for each line it draws, so a
// file of a hundred thousand lines opens at once and costs no more than its text.
void CForegroundView::ShowLines() {
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Selections are kept by position, which no longer holds the same lines.
    SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    SendMessageA(List(), LVM_SETITEMCOUNT, Document().LineCount(), 0);
    InvalidateRect(List(), nullptr, TRUE);
}

void CForegroundView::ShowDescription() {
    m_strDescription = DescriptionOf(Document().Header().Description);
    filling_ = true;
    UpdateData(false);
    filling_ = false;
}

void CForegroundView::OnInitialUpdate() {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kColumnWidth;
    column.pszText = const_cast<char*>(kColumnTitle);
    SendMessageA(List(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    FormView::OnInitialUpdate();
}

void CForegroundView::OnUpdate(View*, LPARAM hint) {
    if (hint == 0)
        hint = CForegroundDoc::kDescriptionChanged | CForegroundDoc::kLinesChanged;
    if (hint & CForegroundDoc::kDescriptionChanged)
        ShowDescription();
    if (hint & CForegroundDoc::kLinesChanged)
        ShowLines();
    else if (hint & CForegroundDoc::kLineEdited)
        InvalidateRect(List(), nullptr, TRUE);
}

void CForegroundView::OnDescriptionChanged() {
    if (filling_ || !UpdateData(true))
        return;
    Document().SetDescription(m_strDescription, this);
}

void CForegroundView::OnAdd() {
    Document().AddLineAtTop(kNewText);
    // The list edits a label only while it has the focus.
    SetFocus(List());
    SendMessageA(List(), LVM_EDITLABELA, 0, 0);
}

void CForegroundView::OnDelete() {
    std::vector<size_t> selected;
    for (LRESULT item = -1;
         (item = SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) != -1;)
        selected.push_back(static_cast<size_t>(item));
    Document().RemoveLines(selected);
}

void CForegroundView::OnImport() {
    std::string path;
    if (PromptForOpenFile(GetAncestor(Handle(), GA_ROOT), path, "TXT", "Text Files (*.txt)|*.txt|"))
        Document().ImportText(path);
}

void CForegroundView::OnBeginLabelEdit() {
    Document().SetModifiedFlag();
    if (HWND edit = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETEDITCONTROL, 0, 0)))
        SendMessageA(edit, EM_LIMITTEXT, CForegroundDoc::kLongestLine, 0);
}

void CForegroundView::OnEndLabelEdit(int item, const std::string* text) {
    if (text && item >= 0) // a cancelled edit leaves the label as it was
        Document().SetLine(static_cast<size_t>(item), *text);
}

bool CForegroundView::OnNotify(const NMHDR& header, LRESULT& answer) {
    const auto lineAt = [this](int item) {
        const CForegroundDoc& document = Document();
        return item >= 0 && static_cast<size_t>(item) < document.LineCount()
                   ? document.Line(static_cast<size_t>(item)).c_str()
                   : "";
    };
    if (header.idFrom != IDC_STRING_LIST)
        return false;
    switch (header.code) {
    // A display request is answered in the request itself, which the list hands over to be filled.
    case LVN_GETDISPINFOA: {
        auto& info = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header));
        if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0)
            lstrcpynA(info.item.pszText, lineAt(info.item.iItem), info.item.cchTextMax);
        return true;
    }
    case LVN_GETDISPINFOW: {
        auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
        if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
            info.item.pszText[0] = L'\0';
            MultiByteToWideChar(CP_ACP, 0, lineAt(info.item.iItem), -1, info.item.pszText, info.item.cchTextMax);
            info.item.pszText[info.item.cchTextMax - 1] = L'\0';
        }
        return true;
    }
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
        OnBeginLabelEdit();
        answer = FALSE;
        return true;
    case LVN_ENDLABELEDITA: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOA&>(header);
        const std::string text = info.item.pszText ? info.item.pszText : "";
        OnEndLabelEdit(info.item.iItem, info.item.pszText ? &text : nullptr);
        answer = TRUE;
        return true;
    }
    case LVN_ENDLABELEDITW: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
        const std::string text = info.item.pszText ? NarrowText(info.item.pszText) : "";
        OnEndLabelEdit(info.item.iItem, info.item.pszText ? &text : nullptr);
        answer = TRUE;
        return true;
    }
    default:
        return false;
    }
}

void CForegroundView::OnSize(int width, int height) {
    int buttonWidth = 0;
    for (int id : {IDC_ADD_STRING, IDC_DELETE_STRINGS, IDC_IMPORT_STRINGS}) {
        if (!Item(id))
            continue;
        RECT rect = ControlRect(id);
        buttonWidth = rect.right - rect.left;
        rect.right = width - kRightMargin;
        rect.left = rect.right - buttonWidth;
        MoveControl(id, rect);
    }
    if (List()) {
        RECT rect = ControlRect(IDC_STRING_LIST);
        rect.right = std::max(width - buttonWidth - kListToButtons, static_cast<int>(rect.left));
        // Too short a window leaves the list as tall as it was rather than turning it inside out.
        if (height - kBottomMargin > rect.top)
            rect.bottom = height - kBottomMargin;
        MoveControl(IDC_STRING_LIST, rect);
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool CForegroundView::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
    case IDC_FOREGROUND_DESCRIPTION:
        if (notifyCode == EN_CHANGE)
            OnDescriptionChanged();
        return true;
    case IDC_ADD_STRING:
        if (notifyCode == BN_CLICKED)
            OnAdd();
        return true;
    case IDC_DELETE_STRINGS:
        if (notifyCode == BN_CLICKED)
            OnDelete();
        return true;
    case IDC_IMPORT_STRINGS:
        if (notifyCode == BN_CLICKED)
            OnImport();
        return true;
    default:
        return FormView::OnCommand(id, notifyCode, control);
    }
}

} // namespace bndx
