#include "editor/views/foreground_view.h"

#include "common/line_records.h"
#include "editor/documents/foreground_import.h"
#include "platform/framework/file_bytes.h"
#include "platform/framework/file_dialogs.h"
#include "resources/editor/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace bndx {

namespace {

constexpr ULONG_PTR kHelpTopic = 12;
constexpr int kColumnWidth = 230;
constexpr char kColumnTitle[] = "Foreground String";
constexpr char kNewText[] = "New Text";
// Lines are read back through a buffer of 512 characters, so the list never holds longer ones.
constexpr size_t kMaxStringLength = 511;
constexpr size_t kMaxDescriptionLength = kDescriptionFieldSize - 1;
constexpr int kRightMargin = 20;
constexpr int kListToButtons = 30;
constexpr int kBottomMargin = 20;

// The file's bytes: a file that will not open gives false. A read that fails part-way keeps what
// came before.
bool ReadTextFile(const std::string& path, std::string& text) {
    // Imported text becomes a foreground's lines, so it is held to a foreground file's size.
    const FileBytes file = ReadFileBytes(path, kLargestForegroundFile);
    if (!file.opened)
        return false;
    text.assign(file.bytes.begin(), file.bytes.end());
    return true;
}

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

void CForegroundView::AddString(std::string text) {
    PendingStrings.push_back(std::move(text));
}

int CForegroundView::GetStringCount() const {
    return static_cast<int>(lines_.size());
}

std::string CForegroundView::GetString(int index) const {
    return index >= 0 && index < GetStringCount() ? lines_[static_cast<size_t>(index)] : std::string();
}

void CForegroundView::InsertAtTop(const std::string& text) {
    lines_.insert(lines_.begin(), text.substr(0, kMaxStringLength));
    ShowLines();
}

// The list holds no lines of its own, only their number: it asks for each line it draws, so a
// file of a hundred thousand lines opens at once and costs no more than its text.
void CForegroundView::ShowLines() {
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Selections are kept by position, which no longer holds the same lines.
    SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    SendMessageA(List(), LVM_SETITEMCOUNT, lines_.size(), 0);
    InvalidateRect(List(), nullptr, TRUE);
}

void CForegroundView::ShowDescription() {
    filling_ = true;
    UpdateData(false);
    filling_ = false;
}

void CForegroundView::CopyDescriptionToHeader() {
    std::memset(m_pHeader->Description, 0, kDescriptionFieldSize);
    std::strncpy(m_pHeader->Description, m_strDescription.c_str(), kMaxDescriptionLength);
    ReplaceControlCharacters(m_pHeader->Description); // pasted tabs and the like
}

void CForegroundView::CopyStringsFrom(const CForegroundView& other) {
    lines_ = other.lines_;
    ShowLines();
}

// The other windows on the document come to show what this one now holds.
void CForegroundView::TellOtherViews() {
    Document().UpdateAllViews(this);
}

void CForegroundView::OnInitialUpdate() {
    FormView::OnInitialUpdate();
    m_pHeader = Document().GetHeader();
    m_strDescription = DescriptionOf(m_pHeader->Description);
    ShowDescription();

    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kColumnWidth;
    column.pszText = const_cast<char*>(kColumnTitle);
    SendMessageA(List(), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

    // The list shows the lines in the reverse of the file's order, the newest on top.
    const bool handedOver = !PendingStrings.empty();
    lines_.reserve(PendingStrings.size());
    for (auto line = PendingStrings.rbegin(); line != PendingStrings.rend(); ++line) {
        if (line->size() > kMaxStringLength)
            line->resize(kMaxStringLength);
        lines_.push_back(std::move(*line));
    }
    ShowLines();
    PendingStrings.clear();
    PendingStrings.shrink_to_fit();

    // A further window on an open document starts from the lines the others show.
    if (handedOver)
        return;
    for (View* view : Document().Views()) {
        const auto* other = dynamic_cast<const CForegroundView*>(view);
        if (other && other != this && other->m_pHeader) {
            CopyStringsFrom(*other);
            return;
        }
    }
}

void CForegroundView::OnUpdate(View* sender, LPARAM) {
    const auto* other = dynamic_cast<const CForegroundView*>(sender);
    if (!other || other == this || !m_pHeader)
        return;
    CopyStringsFrom(*other);
    m_strDescription = DescriptionOf(m_pHeader->Description);
    ShowDescription();
}

void CForegroundView::OnDescriptionChanged() {
    if (filling_ || !m_pHeader)
        return;
    if (!UpdateData(true))
        return;
    CopyDescriptionToHeader();
    Document().SetModifiedFlag();
    TellOtherViews();
}

void CForegroundView::OnAdd() {
    Document().SetModifiedFlag();
    InsertAtTop(kNewText);
    TellOtherViews();
    // The list edits a label only while it has the focus.
    SetFocus(List());
    SendMessageA(List(), LVM_EDITLABELA, 0, 0);
}

void CForegroundView::OnDelete() {
    Document().SetModifiedFlag();
    std::vector<size_t> selected;
    for (LRESULT item = -1;
         (item = SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED)) != -1;)
        selected.push_back(static_cast<size_t>(item));
    if (selected.empty())
        return;
    for (auto item = selected.rbegin(); item != selected.rend(); ++item)
        if (*item < lines_.size())
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*item));
    ShowLines();
    TellOtherViews();
}

void CForegroundView::OnImport() {
    std::string path;
    if (!PromptForOpenFile(GetAncestor(Handle(), GA_ROOT), path, "TXT", "Text Files (*.txt)|*.txt|"))
        return;
    ImportStrings(path);
}

void CForegroundView::ImportStrings(const std::string& path) {
    Document().SetModifiedFlag();
    std::string text;
    const ImportedText imported = ReadTextFile(path, text) ? ParseImportedText(text) : ImportedText{};
    if (imported.Description) {
        m_strDescription = imported.Description->substr(0, kMaxDescriptionLength);
        CopyDescriptionToHeader();
        // Each goes to the top, so the last line of the text ends up first.
        std::vector<std::string> lastFirst(imported.Lines.rbegin(), imported.Lines.rend());
        for (std::string& line : lastFirst)
            if (line.size() > kMaxStringLength)
                line.resize(kMaxStringLength);
        lines_.insert(lines_.begin(), lastFirst.begin(), lastFirst.end());
        ShowLines();
        TellOtherViews();
    }
    ShowDescription();
}

void CForegroundView::OnBeginLabelEdit() {
    Document().SetModifiedFlag();
    if (HWND edit = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETEDITCONTROL, 0, 0)))
        SendMessageA(edit, EM_LIMITTEXT, kMaxStringLength, 0);
}

void CForegroundView::OnEndLabelEdit(int item, const std::string* text) {
    if (!text)
        return; // cancelled: the label stays as it was
    if (item < 0 || item >= GetStringCount())
        return;
    lines_[static_cast<size_t>(item)] = text->substr(0, kMaxStringLength);
    SendMessageA(List(), LVM_REDRAWITEMS, static_cast<WPARAM>(item), item);
    TellOtherViews();
}

// The list's requests for a line to show and its label edits. The answers let every edit begin
// and keep the text as typed.
bool CForegroundView::OnNotify(const NMHDR& header, LRESULT& answer) {
    if (header.idFrom != IDC_STRING_LIST)
        return false;
    switch (header.code) {
    // A display request is answered in the request itself, which the list hands over to be filled.
    case LVN_GETDISPINFOA: {
        auto& info = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header));
        if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0)
            lstrcpynA(info.item.pszText, GetString(info.item.iItem).c_str(), info.item.cchTextMax);
        return true;
    }
    case LVN_GETDISPINFOW: {
        auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
        if ((info.item.mask & LVIF_TEXT) && info.item.pszText && info.item.cchTextMax > 0) {
            info.item.pszText[0] = L'\0';
            MultiByteToWideChar(CP_ACP, 0, GetString(info.item.iItem).c_str(), -1, info.item.pszText,
                                info.item.cchTextMax);
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
